// The key file's reader fed arbitrary bytes: every slot's line must fit its 255 characters, hold
// no line end and no trailing CR, and be a piece of the input.
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
        if (!line.empty() && line.back() == '\r' && line.size() < velmora::kKeyLineMax)
            std::abort();
        if (bytes.find(line) == std::string_view::npos) std::abort();
    }
    return 0;
}
