#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "files/CsvTable.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;

using Rows = std::vector<std::vector<std::string>>;

// The whole table as text, row by row; cells beyond it must be missing.
Rows rowsOf(const CsvTable& t) {
    Rows rows(t.RowCount(), std::vector<std::string>(t.FieldCount()));
    for (uint32_t r = 0; r < t.RowCount(); ++r) {
        for (uint32_t f = 0; f < t.FieldCount(); ++f) {
            const char* c = t.Cell(r, f);
            rows[r][f] = c ? c : "<null>";
        }
        EXPECT_EQ(t.Cell(r, t.FieldCount()), nullptr);
    }
    EXPECT_EQ(t.Cell(t.RowCount(), 0), nullptr);
    return rows;
}

// Opens the bytes into a fresh table and returns its rows.
Rows parse(std::string_view bytes) {
    CsvTable t;
    EXPECT_TRUE(t.openBytes(bytes));
    return rowsOf(t);
}

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

TEST(CsvTable, LinesBecomeRowsOfTheWidestRowsFieldCount) {
    EXPECT_EQ(parse("3,9600,0\n"), (Rows{{"3", "9600", "0"}}));
    EXPECT_EQ(parse("a\nb,c,d\n\ne,\n"),
              (Rows{{"a", "", ""}, {"b", "c", "d"}, {"", "", ""}, {"e", "", ""}}));
    const std::string longField(300, 'x');
    EXPECT_EQ(parse("a," + longField + "\nbb\n"), (Rows{{"a", longField}, {"bb", ""}}));
}

TEST(CsvTable, ALastLineWithoutLineFeedIsNoRow) {
    EXPECT_EQ(parse("3,9600,0"), Rows{});
    // Its commas still widen the table, but none of its values is read.
    EXPECT_EQ(parse("1\n2,3,4"), (Rows{{"1", "", ""}}));
}

TEST(CsvTable, QuotedFieldKeepsCommasAndLineFeeds) {
    EXPECT_EQ(parse("\"a,b\",c\n\"x\ny\",z\n"), (Rows{{"a,b", "c"}, {"x\ny", "z"}}));
}

TEST(CsvTable, QuotesThatOpenOrCloseAreDroppedAQuoteInsideAFieldIsKept) {
    // Open, close, a quote in the middle, close; then a kept quote that starts quoting, so the
    // comma after it is text.
    EXPECT_EQ(parse("\"a\"\"b\",\"\",ab\"c,d\"\n"), (Rows{{"a\"b", "", "ab\"c,d"}}));
}

TEST(CsvTable, AnUnclosedQuoteSwallowsTheRestAndMakesNoRow) {
    EXPECT_EQ(parse("1,2\n\"3,4\n5\n"), (Rows{{"1", "2"}}));
}

TEST(CsvTable, DoubleByteCharactersAreSkippedSingleBytesKept) {
    EXPECT_EQ(
        parse("A\x82\xA0"
              "B,\x88\x9F\n"      // a whole double-byte character inside a field and as a field
              "\x81\x30X\n"       // lead byte with an invalid second byte: only the lead goes
              "\x81\x7F\n"        // 0x7F is no second byte
              "\x81,\xE0\"q\"\n"  // lead bytes before a comma and before a quote
              "\xB1\xDF\xA0\n"    // half-width range: ordinary characters
              "\xFC\xFC\xFD\n"),  // 0xFC pairs with 0xFC; 0xFD is no lead byte
        (Rows{
            {"AB", ""}, {"0X", ""}, {"\x7F", ""}, {"", "q"}, {"\xB1\xDF\xA0", ""}, {"\xFD", ""}}));
    // 0x5C and 0x40..0x7E are valid second bytes: the pair disappears together and never acts
    // as a separator.
    EXPECT_EQ(parse("x\x81\x5C,y\n\x83\x41z\n"), (Rows{{"x", "y"}, {"z", ""}}));
}

TEST(CsvTable, CarriageReturnsGoOnlyBeforeALineFeed) {
    EXPECT_EQ(parse("3,9600,0\r\na\rb\n\r"), (Rows{{"3", "9600", "0"}, {"a\rb", "", ""}}));
}

TEST(CsvTable, AFilledTableRefusesToOpenAgainUntilReleased) {
    CsvTable t;
    ASSERT_TRUE(t.openBytes(""));  // empty input opens, with no rows, and still counts as open
    EXPECT_EQ(t.RowCount(), 0u);
    EXPECT_EQ(t.FieldCount(), 0u);
    EXPECT_EQ(t.Cell(0, 0), nullptr);
    EXPECT_FALSE(t.openBytes("1\n"));
    EXPECT_EQ(t.lastError(), CsvError::NotEmpty);
    t.Release();
    ASSERT_TRUE(t.openBytes("a,b\n"));
    EXPECT_FALSE(t.openBytes("x\ny\nz\n"));
    EXPECT_EQ(t.RowCount(), 1u);
    EXPECT_STREQ(t.Cell(0, 1), "b");
    t.Release();
    EXPECT_EQ(t.RowCount(), 0u);
    EXPECT_EQ(t.FieldCount(), 0u);
    EXPECT_EQ(t.Cell(0, 0), nullptr);
}

TEST_F(CsvFile, AMissingFileFailsAndLeavesTheTableUsable) {
    CsvTable t;
    EXPECT_FALSE(t.Open((dir_ / "nothing.csv").string()));
    EXPECT_EQ(t.lastError(), CsvError::CannotOpen);
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
    EXPECT_EQ(t.lastError(), CsvError::TooLarge);
    EXPECT_EQ(t.RowCount(), 0u);
    EXPECT_FALSE(t.openBytes(atLimit + "a"));
    EXPECT_EQ(t.lastError(), CsvError::TooLarge);
}

TEST(CsvTable, ASmallFileThatWouldNeedAHugeTableIsRefused) {
    // 200000 commas in one row and 200000 empty rows: 4e10 cells from 400 kB.
    const std::string bytes = std::string(200000, ',') + "\n" + std::string(200000, '\n');
    CsvTable t;
    EXPECT_FALSE(t.openBytes(bytes));
    EXPECT_EQ(t.lastError(), CsvError::TooLarge);
    EXPECT_EQ(t.RowCount(), 0u);
    EXPECT_EQ(t.Cell(0, 0), nullptr);
    ASSERT_TRUE(t.openBytes("ok\n"));
}

}  // namespace
}  // namespace velmora
