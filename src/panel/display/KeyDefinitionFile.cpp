#include "panel/display/KeyDefinitionFile.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace velmora {

namespace {
// The folder of the program's own files, below its current directory.
constexpr const char* kCommoFolder = "CommoFiles";
// A key file is a few kilobytes; anything far larger is not one, and is not read whole.
constexpr size_t kFileReadLimit = 1 << 20;
}  // namespace

std::string keyDefinitionPath(const std::string& baseDirectory) {
    const std::filesystem::path base(baseDirectory.empty() ? "." : baseDirectory);
    return (base / kCommoFolder / kKeyDefinitionFile).string();
}

KeyDefinitionLines parseKeyDefinitions(std::string_view bytes) {
    KeyDefinitionLines lines;
    size_t at = 0;
    for (std::string& line : lines) {
        if (at >= bytes.size()) break;
        const size_t end = std::min(bytes.find('\n', at), bytes.size());
        std::string_view text = bytes.substr(at, end - at);
        if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
        line.assign(text.substr(0, kKeyLineMax));
        at = end + 1;
    }
    return lines;
}

std::optional<KeyDefinitionLines> readKeyDefinitions(const std::string& path) {
    if (path.size() >= kKeyPathMax) return std::nullopt;
    std::ifstream file(path, std::ios::binary);
    if (!file) return std::nullopt;
    // Read until the slots' lines are in: the rest of the file is never looked at.
    std::string bytes;
    size_t lineEnds = 0;
    char chunk[4096];
    while (lineEnds < kKeySlotCount && bytes.size() < kFileReadLimit) {
        file.read(chunk, sizeof chunk);
        const auto got = static_cast<size_t>(file.gcount());
        if (got == 0) break;
        bytes.append(chunk, got);
        lineEnds += static_cast<size_t>(std::count(chunk, chunk + got, '\n'));
    }
    if (file.bad()) return std::nullopt;
    return parseKeyDefinitions(bytes);
}

}  // namespace velmora
