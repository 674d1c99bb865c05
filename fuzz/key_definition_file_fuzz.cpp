// The key file's reader fed arbitrary bytes: every slot's line must fit its 255 characters, hold
// no line end, and be a piece of the input; a line of a CRLF file must not keep its CR.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "panel/display/KeyDefinitionFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const velmora::KeyDefinitionLines lines = velmora::parseKeyDefinitions(bytes);
    for (const std::string& line : lines) {
        if (line.size() > velmora::kKeyLineMax) std::abort();
        if (line.find('\n') != std::string::npos) std::abort();
        if (bytes.find(line) == std::string_view::npos) std::abort();
    }
    // The same lines with their ends written as CR LF read the same.
    if (bytes.find('\r') != std::string_view::npos) return 0;
    std::string crlf;
    for (char c : bytes) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    if (velmora::parseKeyDefinitions(crlf) != lines) std::abort();
    return 0;
}
