#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "link/WriteField.h"

namespace velmora {
namespace {

// Digits right-aligned behind zeros; a value too long or negative leaves zeros only.
TEST(WriteField, FillsTheWidthOrLeavesZeros) {
    const int64_t largest = std::numeric_limits<int64_t>::max();
    const struct {
        int width;
        int64_t value;
        std::string text;
    } rows[] = {{3, 7, "007"},
                {3, 999, "999"},
                {1, 3, "3"},
                {3, 1234, "000"},
                {3, 1000, "000"},
                {4, -5, "0000"},
                {0, 5, ""},
                {-2, 5, ""},
                {19, largest, std::to_string(largest)},
                {18, largest, std::string(18, '0')}};
    for (const auto& r : rows) EXPECT_EQ(fieldText(r.width, r.value), r.text) << r.value;
}

TEST(WriteField, OverwritingKeepsWhatTheDigitsDoNotReach) {
    std::string field = "-00";
    EXPECT_TRUE(overwriteDigits(field, 5));
    EXPECT_EQ(field, "-05");
    EXPECT_TRUE(overwriteDigits(field, 100));
    EXPECT_EQ(field, "100");
    field = "+00";
    EXPECT_FALSE(overwriteDigits(field, 1000));
    EXPECT_EQ(field, "+00");
    EXPECT_FALSE(overwriteDigits(field, -1));
    EXPECT_EQ(field, "+00");
}

}  // namespace
}  // namespace velmora
