#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "files/CsvTable.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;

// One table opened from bytes; the cell helper turns a missing cell into a visible marker.
struct Parsed {
    CsvTable table;
    bool ok = false;
    explicit Parsed(std::string_view bytes) : ok(table.OpenBytes(bytes)) {}
    std::string cell(uint32_t r, uint32_t f) const {
        const char* c = table.Cell(r, f);
        return c ? std::string(c) : std::string("<null>");
    }
};

class CsvFile : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("csvtable-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }
    std::string write(const std::string& name, const std::string& bytes) {
        const auto path = dir_ / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path.string();
    }
    fs::path dir_;
};

TEST(CsvTable, CommSettingLineGivesOneRowOfThreeFields) {
    Parsed p("3,9600,0\n");
    ASSERT_TRUE(p.ok);
    EXPECT_EQ(p.table.RowCount(), 1u);
    EXPECT_EQ(p.table.FieldCount(), 3u);
    EXPECT_EQ(p.cell(0, 0), "3");
    EXPECT_EQ(p.cell(0, 1), "9600");
    EXPECT_EQ(p.cell(0, 2), "0");
    EXPECT_EQ(p.cell(1, 0), "<null>");
    EXPECT_EQ(p.cell(0, 3), "<null>");
}

TEST(CsvTable, ALastLineWithoutLineFeedIsNoRow) {
    Parsed alone("3,9600,0");
    ASSERT_TRUE(alone.ok);
    EXPECT_EQ(alone.table.RowCount(), 0u);
    EXPECT_EQ(alone.cell(0, 0), "<null>");

    // Its commas still widen the table, but none of its values is read.
    Parsed after("1\n2,3,4");
    ASSERT_TRUE(after.ok);
    EXPECT_EQ(after.table.RowCount(), 1u);
    EXPECT_EQ(after.table.FieldCount(), 3u);
    EXPECT_EQ(after.cell(0, 0), "1");
    EXPECT_EQ(after.cell(0, 1), "");
    EXPECT_EQ(after.cell(0, 2), "");
    EXPECT_EQ(after.cell(1, 0), "<null>");
}

TEST(CsvTable, RowsOfDifferentWidthsShareTheWidestCount) {
    Parsed p("a\nb,c,d\n\ne,\n");
    ASSERT_TRUE(p.ok);
    EXPECT_EQ(p.table.RowCount(), 4u);
    EXPECT_EQ(p.table.FieldCount(), 3u);
    EXPECT_EQ(p.cell(0, 0), "a");
    EXPECT_EQ(p.cell(0, 1), "");
    EXPECT_EQ(p.cell(1, 2), "d");
    EXPECT_EQ(p.cell(2, 0), "");
    EXPECT_EQ(p.cell(3, 0), "e");
    EXPECT_EQ(p.cell(3, 1), "");
}

TEST(CsvTable, TheLongestFieldFitsWhole) {
    const std::string longField(300, 'x');
    Parsed p("a," + longField + "\nbb\n");
    ASSERT_TRUE(p.ok);
    EXPECT_EQ(p.cell(0, 1), longField);
    EXPECT_EQ(p.cell(1, 0), "bb");
    EXPECT_GE(p.table.CellSize(), longField.size() + 1);
}

TEST(CsvTable, QuotedFieldKeepsCommasAndLineFeeds) {
    Parsed p("\"a,b\",c\n\"x\ny\",z\n");
    ASSERT_TRUE(p.ok);
    EXPECT_EQ(p.table.RowCount(), 2u);
    EXPECT_EQ(p.table.FieldCount(), 2u);
    EXPECT_EQ(p.cell(0, 0), "a,b");
    EXPECT_EQ(p.cell(0, 1), "c");
    EXPECT_EQ(p.cell(1, 0), "x\ny");
    EXPECT_EQ(p.cell(1, 1), "z");
}

TEST(CsvTable, QuotesThatOpenOrCloseAreDroppedAQuoteInsideAFieldIsKept) {
    Parsed p("\"a\"\"b\",\"\",ab\"c,d\"\n");
    ASSERT_TRUE(p.ok);
    EXPECT_EQ(p.table.RowCount(), 1u);
    EXPECT_EQ(p.table.FieldCount(), 3u);
    EXPECT_EQ(p.cell(0, 0), "a\"b");  // open, close, a quote in the middle, close
    EXPECT_EQ(p.cell(0, 1), "");
    EXPECT_EQ(p.cell(0, 2), "ab\"c,d");  // the kept quote starts quoting: the comma is text
}

TEST(CsvTable, AnUnclosedQuoteSwallowsTheRestAndMakesNoRow) {
    Parsed p("1,2\n\"3,4\n5\n");
    ASSERT_TRUE(p.ok);
    EXPECT_EQ(p.table.RowCount(), 1u);
    EXPECT_EQ(p.cell(0, 1), "2");
    EXPECT_EQ(p.cell(1, 0), "<null>");
}

TEST(CsvTable, DoubleByteCharactersAreSkippedSingleBytesKept) {
    Parsed p(
        "A\x82\xA0"
        "B,\x88\x9F\n"      // a whole double-byte character inside a field and as a whole field
        "\x81\x30X\n"       // lead byte with an invalid second byte: only the lead goes
        "\x81\x7F\n"        // 0x7F is no second byte
        "\x81,\xE0\"q\"\n"  // lead bytes before a comma and before a quote
        "\xB1\xDF\xA0\n"    // half-width range: ordinary characters
        "\xFC\xFC\xFD\n");  // 0xFC pairs with 0xFC; 0xFD is no lead byte
    ASSERT_TRUE(p.ok);
    EXPECT_EQ(p.table.RowCount(), 6u);
    EXPECT_EQ(p.cell(0, 0), "AB");
    EXPECT_EQ(p.cell(0, 1), "");
    EXPECT_EQ(p.cell(1, 0), "0X");
    EXPECT_EQ(p.cell(2, 0), "\x7F");
    EXPECT_EQ(p.cell(3, 0), "");
    EXPECT_EQ(p.cell(3, 1), "q");
    EXPECT_EQ(p.cell(4, 0), "\xB1\xDF\xA0");
    EXPECT_EQ(p.cell(5, 0), "\xFD");
}

TEST(CsvTable, ADoubleByteSecondByteNeverActsAsSeparator) {
    // 0x5C and 0x40..0x7E are valid second bytes; the pair disappears together.
    Parsed p("x\x81\x5C,y\n\x83\x41z\n");
    ASSERT_TRUE(p.ok);
    EXPECT_EQ(p.cell(0, 0), "x");
    EXPECT_EQ(p.cell(0, 1), "y");
    EXPECT_EQ(p.cell(1, 0), "z");
}

TEST(CsvTable, CarriageReturnsGoOnlyBeforeALineFeed) {
    Parsed p("3,9600,0\r\na\rb\n\r");
    ASSERT_TRUE(p.ok);
    EXPECT_EQ(p.table.RowCount(), 2u);
    EXPECT_EQ(p.cell(0, 2), "0");
    EXPECT_EQ(p.cell(1, 0), "a\rb");
}

TEST(CsvTable, AFilledTableRefusesToOpenAgainUntilReleased) {
    CsvTable t;
    ASSERT_TRUE(t.OpenBytes(""));  // empty input opens, with no rows, and still counts as open
    EXPECT_EQ(t.RowCount(), 0u);
    EXPECT_EQ(t.FieldCount(), 0u);
    EXPECT_EQ(t.Cell(0, 0), nullptr);
    EXPECT_FALSE(t.OpenBytes("1\n"));
    EXPECT_EQ(t.LastError(), CsvError::NotEmpty);
    t.Release();
    ASSERT_TRUE(t.OpenBytes("a,b\n"));
    EXPECT_FALSE(t.OpenBytes("x\ny\nz\n"));
    EXPECT_EQ(t.RowCount(), 1u);
    EXPECT_STREQ(t.Cell(0, 1), "b");
    t.Release();
    EXPECT_EQ(t.RowCount(), 0u);
    EXPECT_EQ(t.FieldCount(), 0u);
    EXPECT_EQ(t.Cell(0, 0), nullptr);
}

TEST_F(CsvFile, ReadsAFileLikeItsBytes) {
    CsvTable t;
    ASSERT_TRUE(t.Open(write("CommSetting.csv", "3,9600,0\r\n")));
    EXPECT_EQ(t.RowCount(), 1u);
    EXPECT_STREQ(t.Cell(0, 1), "9600");
    EXPECT_STREQ(t.Cell(0, 2), "0");
}

TEST_F(CsvFile, AMissingFileFailsAndLeavesTheTableUsable) {
    CsvTable t;
    EXPECT_FALSE(t.Open((dir_ / "nothing.csv").string()));
    EXPECT_EQ(t.LastError(), CsvError::CannotOpen);
    EXPECT_EQ(t.RowCount(), 0u);
    EXPECT_FALSE(t.Open(dir_.string())) << "a folder is no file";
    ASSERT_TRUE(t.Open(write("empty.csv", "")));
    EXPECT_EQ(t.RowCount(), 0u);
    t.Release();
    ASSERT_TRUE(t.Open(write("ok.csv", "1\n")));
    EXPECT_STREQ(t.Cell(0, 0), "1");
}

TEST_F(CsvFile, FilesBeyondTheLimitAreRefused) {
    std::string atLimit(CsvTable::kMaxFileBytes, 'a');
    for (size_t i = 99; i < atLimit.size(); i += 100) atLimit[i] = '\n';
    CsvTable t;
    ASSERT_TRUE(t.Open(write("limit.csv", atLimit)));
    EXPECT_EQ(t.RowCount(), CsvTable::kMaxFileBytes / 100);
    t.Release();

    EXPECT_FALSE(t.Open(write("over.csv", atLimit + "a")));
    EXPECT_EQ(t.LastError(), CsvError::TooLarge);
    EXPECT_EQ(t.RowCount(), 0u);
    EXPECT_FALSE(t.OpenBytes(atLimit + "a"));
    EXPECT_EQ(t.LastError(), CsvError::TooLarge);
}

TEST(CsvTable, ASmallFileThatWouldNeedAHugeTableIsRefused) {
    // 200000 commas in one row and 200000 empty rows: 4e10 cells from 400 kB.
    const std::string bytes = std::string(200000, ',') + "\n" + std::string(200000, '\n');
    CsvTable t;
    EXPECT_FALSE(t.OpenBytes(bytes));
    EXPECT_EQ(t.LastError(), CsvError::TooLarge);
    EXPECT_EQ(t.RowCount(), 0u);
    EXPECT_EQ(t.Cell(0, 0), nullptr);
    ASSERT_TRUE(t.OpenBytes("ok\n"));
}

}  // namespace
}  // namespace velmora
