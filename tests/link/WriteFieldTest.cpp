#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "link/WriteField.h"

namespace velmora {
namespace {

TEST(WriteField, RightAlignsTheDigitsAndFillsWithZeros) {
    EXPECT_EQ(fieldText(3, 7), "007");
    EXPECT_EQ(fieldText(3, 999), "999");
    EXPECT_EQ(fieldText(1, 3), "3");
}

TEST(WriteField, AValueTooLongOrNegativeLeavesZeros) {
    EXPECT_EQ(fieldText(3, 1234), "000");
    EXPECT_EQ(fieldText(3, 1000), "000");
    EXPECT_EQ(fieldText(4, -5), "0000");
    EXPECT_EQ(fieldText(0, 5), "");
    EXPECT_EQ(fieldText(-2, 5), "");
    const int64_t largest = std::numeric_limits<int64_t>::max();
    EXPECT_EQ(fieldText(19, largest), std::to_string(largest));
    EXPECT_EQ(fieldText(18, largest), std::string(18, '0'));
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
