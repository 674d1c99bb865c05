#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "app/RigctldSetting.h"

namespace velmora {
namespace {

TEST(RigctldSettingTest, KeptChoiceReadsBackAndAnythingElseIsTheDefault) {
    const auto base = std::filesystem::temp_directory_path() /
                      ("velmora-rigctld-setting-" + std::to_string(::getpid()));
    std::filesystem::remove_all(base);
    EXPECT_FALSE(readRigctldSetting(base.string()).on);  // no file

    ASSERT_TRUE(writeRigctldSetting(base.string(), {true, "0.0.0.0:4600"}));
    const RigctldSetting kept = readRigctldSetting(base.string());
    EXPECT_TRUE(kept.on);
    EXPECT_EQ(kept.address, "0.0.0.0:4600");

    for (const char* line : {"2,4532", "1,", "1,99999", "1", "yes,4532"}) {
        std::ofstream(rigctldSettingPath(base.string()), std::ios::trunc) << line << "\n";
        const RigctldSetting read = readRigctldSetting(base.string());
        EXPECT_FALSE(read.on) << line;
        EXPECT_EQ(read.address, "4532") << line;
    }
    std::filesystem::remove_all(base);
}

}  // namespace
}  // namespace velmora
