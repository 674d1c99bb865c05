// The buffer convention: zeroed, code letters, ";" at length - 1, parameters never past it.
#include <gtest/gtest.h>

#include <string>

#include "command/CommandBuffer.h"

namespace velmora {
namespace {

std::string text(const CommandBuffer& c) {
    return std::string(c.view());
}

TEST(CommandBuffer, UnwrittenPositionsStayZeroBytes) {
    CommandBuffer c;
    ASSERT_TRUE(c.beginSet("IS"));
    EXPECT_EQ(text(c), std::string("IS\0\0\0\0\0\0;", 9));
    c.text(2, "0");
    c.signedField(3, 4, -5);
    EXPECT_EQ(text(c), "IS0-0005;");
}

TEST(CommandBuffer, ParametersNeverReachTheTerminator) {
    CommandBuffer c;
    ASSERT_TRUE(c.beginSet("KY"));
    c.text(2, "123456");
    EXPECT_EQ(text(c), "KY1;");
    c.field(2, 3, 7);  // a field wider than the command is not written at all
    EXPECT_EQ(text(c), "KY1;");
    c.text(0, "ZZ");
    EXPECT_EQ(text(c), "KY1;") << "the code letters are not parameters";
}

TEST(CommandBuffer, AReusedBufferStartsClean) {
    CommandBuffer c;
    ASSERT_TRUE(c.beginSet("FA"));
    c.field(2, 8, 14195000);
    ASSERT_TRUE(c.beginQuery("FA"));
    EXPECT_EQ(text(c), "FA;");
    EXPECT_EQ(c.data()[3], 0) << "the old digits are gone";
}

TEST(CommandBuffer, UnknownCodesAndImpossibleLengthsGiveAnEmptyCommand) {
    CommandBuffer c;
    EXPECT_FALSE(c.beginSet("ZZ"));
    EXPECT_EQ(c.length(), 0);
    EXPECT_FALSE(c.beginQuery("BS"));
    EXPECT_EQ(c.length(), 0);
    c.begin("EX", 2);
    EXPECT_EQ(c.length(), 0);
    c.begin("EX", CommandBuffer::kSize);
    EXPECT_EQ(c.length(), 0);
    c.begin("EX", CommandBuffer::kSize - 1);
    EXPECT_EQ(c.length(), CommandBuffer::kSize - 1);
}

}  // namespace
}  // namespace velmora
