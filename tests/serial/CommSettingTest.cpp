// CommSetting.csv: reading the first three values, the defaults when it cannot be read, the
// path limit, and writing it back.
#include <gtest/gtest.h>

#include <filesystem>

#include "SerialFixture.h"
#include "serial/CommSettingFile.h"

namespace velmora::test {
namespace {

using CommSetting = SerialFixture;

TEST_F(CommSetting, OutOfRangeNumberFallsBackToCom1AndKeepsTheSpeed) {
    writeCommSetting("25,9600,0\n");
    EXPECT_TRUE(port.LoadCommSetting());
    EXPECT_EQ(port.GetComNumber(), 1);
    EXPECT_EQ(port.GetBaudRate(), 9600);
}

TEST_F(CommSetting, UnlistedSpeedFallsBackTo4800AndKeepsThePort) {
    writeCommSetting("3,1200,0\n");
    EXPECT_TRUE(port.LoadCommSetting());
    EXPECT_EQ(port.GetComNumber(), 3);
    EXPECT_EQ(port.GetBaudRate(), 4800);
}

TEST_F(CommSetting, AnEmptyFileCountsAsReadAndChangesNothing) {
    writeCommSetting("");
    EXPECT_TRUE(port.LoadCommSetting());
    EXPECT_EQ(port.GetComNumber(), 1);
    EXPECT_EQ(port.GetBaudRate(), 4800);
    EXPECT_EQ(port.GetReservedSetting(), 0);
}

TEST_F(CommSetting, MissingValuesKeepWhatWasSet) {
    port.SetBaudRate(38400);
    store->port.reserved.store(9);
    writeCommSetting("4\n");
    EXPECT_TRUE(port.LoadCommSetting());
    EXPECT_EQ(port.GetComNumber(), 4);
    EXPECT_EQ(port.GetBaudRate(), 38400);
    EXPECT_EQ(port.GetReservedSetting(), 9);
    // A last line without a line feed is no row: its values are not read.
    writeCommSetting("5,9600,1");
    EXPECT_TRUE(port.LoadCommSetting());
    EXPECT_EQ(port.GetComNumber(), 4);
}

TEST_F(CommSetting, ValuesAreTakenInReadingOrderAsLeadingIntegers) {
    writeCommSetting(" +3x\n19200 baud\n-7\n99\n");
    EXPECT_TRUE(port.LoadCommSetting());
    EXPECT_EQ(port.GetComNumber(), 3);
    EXPECT_EQ(port.GetBaudRate(), 19200);
    EXPECT_EQ(port.GetReservedSetting(), -7);
    // The table is as wide as its widest row: a short row's missing cells are read as empty
    // text, which is 0.
    writeCommSetting("2\n9600,5\n");
    EXPECT_TRUE(port.LoadCommSetting());
    EXPECT_EQ(port.GetComNumber(), 2);
    EXPECT_EQ(port.GetBaudRate(), 4800);
    EXPECT_EQ(port.GetReservedSetting(), 9600);
    // Text that is no number is 0.
    writeCommSetting("COM2,9600,x\n");
    EXPECT_TRUE(port.LoadCommSetting());
    EXPECT_EQ(port.GetComNumber(), 1);
    EXPECT_EQ(port.GetReservedSetting(), 0);
}

// The file's reading above covers the ordinary forms; these are the ones a file could not reach.
TEST_F(CommSetting, LeadingIntegerConversionSaturatesAndTakesNull) {
    EXPECT_EQ(leadingInteger("+"), 0);
    EXPECT_EQ(leadingInteger(nullptr), 0);
    EXPECT_EQ(leadingInteger("99999999999999999999"), 2147483647);
    EXPECT_EQ(leadingInteger("-2147483648"), -2147483647 - 1);
    EXPECT_EQ(leadingInteger("-99999999999999999999"), -2147483647 - 1);
}

TEST_F(CommSetting, AMissingFileGivesTheDefaultsAndFalse) {
    port.SetComNumber(6);
    port.SetBaudRate(9600);
    store->port.reserved.store(3);
    EXPECT_FALSE(port.LoadCommSetting());
    EXPECT_EQ(port.GetComNumber(), 1);
    EXPECT_EQ(port.GetBaudRate(), 4800);
    EXPECT_EQ(port.GetReservedSetting(), 0);
}

TEST_F(CommSetting, SavingCreatesTheFolderAndWritesOneLine) {
    port.SetComNumber(3);
    port.SetBaudRate(9600);
    ASSERT_TRUE(port.SaveCommSetting());
    EXPECT_EQ(readCommSetting(), "3,9600,0\n");
    port.InitPort();
    EXPECT_TRUE(port.LoadCommSetting());
    EXPECT_EQ(port.GetComNumber(), 3);
    EXPECT_EQ(port.GetBaudRate(), 9600);
}

TEST_F(CommSetting, SavingIntoAPlaceThatCannotHoldTheFileFails) {
    // CommoFiles exists as a plain file: no folder, no CommSetting.csv.
    std::ofstream(base / "CommoFiles") << "x";
    EXPECT_FALSE(port.SaveCommSetting());
    EXPECT_FALSE(port.LoadCommSetting());
}

// Paths of 260 characters or more are refused both ways; 259 is still fine.
TEST_F(CommSetting, PathsOf260CharactersOrMoreAreRefused) {
    const std::string tail = "/CommoFiles/CommSetting.csv";
    auto baseOfLength = [&](size_t total) {
        const size_t want = total - tail.size();
        std::string dir = base.string();
        while (want - dir.size() > 60) dir += "/" + std::string(50, 'd');
        return dir + "/" + std::string(want - dir.size() - 1, 'e');
    };
    for (size_t total : {259u, 260u}) {
        const std::string dir = baseOfLength(total);
        ASSERT_EQ(commSettingPath(dir).size(), total);
        std::filesystem::create_directories(std::filesystem::path(dir) / "CommoFiles");
        std::ofstream(commSettingPath(dir)) << "2,9600,0\n";
        SerialPort other(*store, {device, probe, ports, dir, nullptr, nullptr});
        other.InitPort();
        EXPECT_EQ(other.LoadCommSetting(), total < 260) << total;
        EXPECT_EQ(other.GetComNumber(), total < 260 ? 2 : 1) << total;
        EXPECT_EQ(other.SaveCommSetting(), total < 260) << total;
    }
}

}  // namespace
}  // namespace velmora::test
