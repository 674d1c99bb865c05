// The setting file: what SAVE writes, what LOAD accepts and refuses, and a save that fails.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "equalizer/PefFile.h"

namespace velmora::equalizer {
namespace {

const EqualizerValues kSample{3, -6, 2, 2, 3, 1, 5, -3, 1};
const char kSampleText[] = "300,-6,2\n800,3,1\n1900,-3,1\n";

TEST(PefFileTest, WritesTheSampleAsThreeLines) {
    EXPECT_EQ(formatPef(kSample), kSampleText);
    EXPECT_EQ(parsePef(kSampleText), kSample);
}

TEST(PefFileTest, AcceptsCrLfBlanksAndAMissingFinalLineFeed) {
    for (const char* text : {"300,-6,2\r\n800,3,1\r\n1900,-3,1\r\n", "300,-6,2\n800,3,1\n1900,-3,1",
                             " 300 , -6 ,2 \n800,+3,1\n\t1900,-3,1\t\n"}) {
        EXPECT_EQ(parsePef(text), kSample) << text;
    }
    EXPECT_EQ(parsePef("0,0,1\n0,0,1\n0,0,1\n"), (EqualizerValues{0, 0, 1, 0, 0, 1, 0, 0, 1}));
}

TEST(PefFileTest, RefusesEveryMalformedOrOutOfRangeFile) {
    const char* rows[] = {
        "150,-6,2\n800,3,1\n1900,-3,1\n",            // 150 Hz is not in band 1's table
        "300,-6,2\n800,3,1\n700,-3,1\n",             // 700 Hz is band 2's, not band 3's
        "300,-6,2\n800,3,1\n",                       // two lines
        "300,-6,2\n800,3,1\n1900,-3,1\n\n",          // an empty fourth line
        "300,-6,2,0\n800,3,1\n1900,-3,1\n",          // four fields
        "300,,2\n800,3,1\n1900,-3,1\n",              // an empty cell
        "300x,-6,2\n800,3,1\n1900,-3,1\n",           // trailing letters
        "300,-21,2\n800,3,1\n1900,-3,1\n",           // LEVEL below -20
        "300,11,2\n800,3,1\n1900,-3,1\n",            // LEVEL above 10
        "300,-6,0\n800,3,1\n1900,-3,1\n",            // BWTH 0
        "300,-6,11\n800,3,1\n1900,-3,1\n",           // BWTH 11
        "300,-6,2\n800,3,1\n1900,-3,99999999999\n",  // overflows
        "",
    };
    for (const char* text : rows) EXPECT_FALSE(parsePef(text)) << text;
}

TEST(PefFileTest, AFailedSaveKeepsTheOldFile) {
    const auto dir = std::filesystem::temp_directory_path() / "pef-file-test";
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    const std::string path = (dir / "a.pef").string();
    ASSERT_EQ(writePefFile(path, kSample), "");
    EXPECT_EQ(readPefFile(path).values, kSample);
    // The temporary file cannot be made where a folder of its name stands.
    std::filesystem::create_directory(path + ".tmp");
    EXPECT_NE(writePefFile(path, EqualizerValues{0, 0, 1, 0, 0, 1, 0, 0, 1}), "");
    EXPECT_EQ(readPefFile(path).values, kSample);
    EXPECT_NE(readPefFile((dir / "missing.pef").string()).ioError, "");
    std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace velmora::equalizer
