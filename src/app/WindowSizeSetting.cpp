#include "app/WindowSizeSetting.h"

#include <charconv>
#include <filesystem>
#include <fstream>

#include "serial/CommSettingFile.h"

namespace velmora {

namespace {

// A whole cell of digits within the sides' range.
std::optional<int> side(std::string_view cell) {
    int v = 0;
    const auto [end, ec] = std::from_chars(cell.data(), cell.data() + cell.size(), v);
    if (ec != std::errc() || end != cell.data() + cell.size()) return std::nullopt;
    if (v < kMinWindowSide || v > kMaxWindowSide) return std::nullopt;
    return v;
}

}  // namespace

std::string windowSizePath(const std::string& baseDirectory, std::string_view window) {
    return commoFolderPath(baseDirectory) + "/" + std::string(window) + "Size.csv";
}

std::optional<WindowSize> readWindowSize(const std::string& baseDirectory,
                                         std::string_view window) {
    std::ifstream in(windowSizePath(baseDirectory, window));
    std::string line;
    if (!std::getline(in, line)) return std::nullopt;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const size_t comma = line.find(',');
    if (comma == std::string::npos) return std::nullopt;
    const auto width = side(std::string_view(line).substr(0, comma));
    const auto height = side(std::string_view(line).substr(comma + 1));
    if (!width || !height) return std::nullopt;
    return WindowSize{*width, *height};
}

bool writeWindowSize(const std::string& baseDirectory, std::string_view window, WindowSize size) {
    const std::string path = windowSizePath(baseDirectory, window);
    const std::string fresh = path + ".new";
    std::error_code ec;
    std::filesystem::create_directories(commoFolderPath(baseDirectory), ec);
    {
        std::ofstream out(fresh, std::ios::trunc);
        out << size.width << ',' << size.height << "\r\n";
        if (!out.flush()) return false;
    }
    std::filesystem::rename(fresh, path, ec);
    return !ec;
}

}  // namespace velmora
