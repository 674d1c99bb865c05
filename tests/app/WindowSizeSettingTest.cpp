#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "app/WindowSizeSetting.h"

namespace velmora {
namespace {

// A kept size reads back; a hand-edited line reads like a written one; anything else is no
// size at all (the window then opens at its first size), never a window too small to grab.
TEST(WindowSizeSettingTest, KeptSizeReadsBackAndAnythingElseIsNone) {
    const auto base = std::filesystem::temp_directory_path() /
                      ("velmora-window-size-" + std::to_string(::getpid()));
    std::filesystem::remove_all(base);
    const std::string dir = base.string();
    EXPECT_FALSE(readWindowSize(dir, "MenuList"));  // no file

    ASSERT_TRUE(writeWindowSize(dir, "MenuList", {720, 540}));
    EXPECT_EQ(readWindowSize(dir, "MenuList"), WindowSize({720, 540}));

    const struct {
        const char* line;
        std::optional<WindowSize> size;
    } rows[] = {
        {"800,600", WindowSize{800, 600}},  // no line feed
        {"50,20000\n", WindowSize{50, 20000}},
        {"49,600\n", std::nullopt},
        {"800,20001\n", std::nullopt},
        {"800\n", std::nullopt},
        {"800,6o0\n", std::nullopt},
        {"-800,600\n", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& row : rows) {
        std::ofstream(windowSizePath(dir, "MenuList"), std::ios::trunc) << row.line;
        EXPECT_EQ(readWindowSize(dir, "MenuList"), row.size) << row.line;
    }
    std::filesystem::remove_all(base);
}

}  // namespace
}  // namespace velmora
