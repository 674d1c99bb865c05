#pragma once
// CommoFiles/<window>Size.csv: the size a resizable window was last closed at, as
// "width,height" on one line ("720,540"), so that it opens at that size in the next run too.
#include <optional>
#include <string>
#include <string_view>

namespace velmora {

struct WindowSize {
    int width = 0;
    int height = 0;
    bool operator==(const WindowSize&) const = default;
};

inline constexpr int kMinWindowSide = 50;
inline constexpr int kMaxWindowSide = 20000;

std::string windowSizePath(const std::string& baseDirectory, std::string_view window);
// Nothing when the file is missing, its line is not two numbers or a side is out of range.
std::optional<WindowSize> readWindowSize(const std::string& baseDirectory, std::string_view window);
// Written beside the old file first, then in its place. False when it cannot be written.
bool writeWindowSize(const std::string& baseDirectory, std::string_view window, WindowSize size);

}  // namespace velmora
