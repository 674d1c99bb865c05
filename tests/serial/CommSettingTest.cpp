// CommSetting.csv: reading the first three values, the defaults when it cannot be read, the
// path limit, and writing it back.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>

#include "SerialFixture.h"
#include "files/CsvTable.h"
#include "link/MessageIds.h"
#include "serial/CommSettingFile.h"

namespace velmora::test {
namespace {

using CommSetting = SerialFixture;

// Each file is read over COM6 / 38400 / 9: what a file does not give keeps its value, a value
// it gives that is not listed falls back to COM1 / 4800 rather than keeping the old one.
TEST_F(CommSetting, ValuesAreTakenInReadingOrderAsLeadingIntegers) {
    struct Row {
        const char* file;
        int com, baud, reserved;
    };
    const Row rows[] = {
        {"20,19200,0\n", 20, 19200, 0},
        {"21,9600,0\n", 1, 9600, 0},
        {"3,1200,0\n", 3, 4800, 0},
        {"", 6, 38400, 9},  // an empty file counts as read and changes nothing
        {"4\n", 4, 38400, 9},
        {"5,9600,1", 5, 9600, 1},  // a last line without a line feed is a line too
        {" +3x\n19200 baud\n-7\n99\n", 3, 19200, -7},
        // The table is as wide as its widest row: a short row's missing cells are read as empty
        // text, which is 0.
        {"2\n9600,5\n", 2, 4800, 9600},
        {"2,9600,x\n", 2, 9600, 0},  // text that is no number is 0
    };
    EXPECT_FALSE(port.SetComNumber(21));
    EXPECT_FALSE(port.SetBaudRate(1200));
    for (const Row& r : rows) {
        SCOPED_TRACE(r.file);
        port.SetComNumber(6);
        port.SetBaudRate(38400);
        store->port.reserved.store(9);
        writeCommSetting(r.file);
        EXPECT_TRUE(port.LoadCommSetting());
        EXPECT_EQ(port.GetComNumber(), r.com);
        EXPECT_EQ(port.GetBaudRate(), r.baud);
        EXPECT_EQ(port.reservedSetting(), r.reserved);
    }
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
    EXPECT_EQ(port.reservedSetting(), 0);
}

// A file that is there but is no settings file gives the defaults for the run, and is never
// written over: it is the operator's, perhaps with a typing slip.
TEST_F(CommSetting, AFileThatCannotBeReadGivesTheDefaultsAndIsKept) {
    using namespace std::string_literals;
    const std::string rows[] = {
        "COM2,9600,0\n",                                           // words where the number belongs
        "3,9600\0\x01\x02\xff,0\n"s,                               // binary
        "1,4800,0\n" + std::string(CsvTable::kMaxFileBytes, ' '),  // over the size limit
    };
    for (const std::string& file : rows) {
        SCOPED_TRACE(file.substr(0, 12));
        port.SetComNumber(6);
        writeCommSetting(file);
        EXPECT_FALSE(port.LoadCommSetting());
        EXPECT_EQ(port.GetComNumber(), 1);
        EXPECT_FALSE(port.SaveCommSetting());
        EXPECT_EQ(readCommSetting(), file);
    }
}

// Once the operator chooses a port or speed, that choice is saved: the unreadable file is kept
// under a name of its own (an earlier one set aside too), the window is told where, and the
// choice is read back in the next run.
TEST_F(CommSetting, AChosenPortOrSpeedSetsTheUnreadableFileAsideAndIsSaved) {
    const struct {
        const char* name;
        std::function<void(SerialPort&)> choose;
        const char* saved;
        const char* aside;
    } rows[] = {
        {"port", [](SerialPort& p) { p.ChangePort(1); }, "1,4800,0\n", ".bad"},
        {"speed", [](SerialPort& p) { p.ChangeBaudRate(9600, false); }, "1,9600,0\n", ".bad.2"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        writeCommSetting("garbage\n");
        ASSERT_FALSE(port.LoadCommSetting());
        row.choose(port);
        EXPECT_EQ(readCommSetting(), row.saved);
        const std::string aside = port.commSettingSetAside();
        EXPECT_EQ(aside, commSettingFile() + row.aside);
        std::ifstream kept(aside);
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), {}), "garbage\n");
        EXPECT_EQ(window.posts().back().id, msg::WM_COMM_SETTING_SET_ASIDE);
        EXPECT_TRUE(port.LoadCommSetting());
        port.InitPort();
    }
}

TEST_F(CommSetting, SavingIntoAPlaceThatCannotHoldTheFileFails) {
    // CommoFiles exists as a plain file: no folder, no CommSetting.csv.
    std::ofstream(base / "CommoFiles") << "x";
    EXPECT_FALSE(port.SaveCommSetting());
    EXPECT_FALSE(port.LoadCommSetting());
}

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
