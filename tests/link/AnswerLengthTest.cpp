#include <gtest/gtest.h>

#include <string>

#include "link/AnswerLength.h"
#include "menulist/MenuTable.h"

namespace velmora {
namespace {

AnswerLength lengthOf(const std::string& s, const MenuTable& menus) {
    return determineAnswerLength(reinterpret_cast<const uint8_t*>(s.data()), s.size(), menus);
}

TEST(AnswerLength, TableCodesTakeTheirLengthAndMustEndInTerminator) {
    MenuTable menus;
    const std::string fa = "FA00014195000;";
    auto r = lengthOf("FA14195000;", menus);
    ASSERT_TRUE(r.recognised);
    EXPECT_EQ(r.length, 11);
    EXPECT_FALSE(answerComplete(reinterpret_cast<const uint8_t*>(fa.data()), fa.size(), 11));
}

TEST(AnswerLength, ErrorReplyAndShortBuffersAreNotRecognised) {
    MenuTable menus;
    EXPECT_FALSE(lengthOf("?;", menus).recognised);
    EXPECT_FALSE(lengthOf("F", menus).recognised);
    EXPECT_FALSE(lengthOf("fa14195000;", menus).recognised);
}

TEST(AnswerLength, UnknownCodeEndsAtItsTerminator) {
    MenuTable menus;
    auto r = lengthOf("ZZ123;", menus);
    ASSERT_TRUE(r.recognised);
    EXPECT_EQ(r.length, 6);
    EXPECT_FALSE(lengthOf("ZZ123", menus).recognised);
}

TEST(AnswerLength, MenuAnswerIsSizedFromItsDefinition) {
    MenuTable menus;
    MenuItemDef def;
    def.number = 1;
    def.width = 4;
    menus.install(&def, 1);
    ASSERT_TRUE(menus.setCount(1));
    auto r = lengthOf("EX0010300;", menus);
    ASSERT_TRUE(r.recognised);
    EXPECT_EQ(r.length, 10);
    EXPECT_FALSE(lengthOf("EX0020300;", menus).recognised);
    EXPECT_FALSE(lengthOf("EX0A10300;", menus).recognised);
}

TEST(AnswerLength, TextAnswersEndAtTheirFirstTerminator) {
    MenuTable menus;
    auto km = lengthOf("KM1CQ CQ DE TEST};", menus);
    ASSERT_TRUE(km.recognised);
    EXPECT_EQ(km.length, 18);
    EXPECT_FALSE(lengthOf("KM1cq;", menus).recognised);
    const std::string longKm = "KM1" + std::string(60, 'A');
    auto noEnd = lengthOf(longKm, menus);
    ASSERT_TRUE(noEnd.recognised);
    EXPECT_EQ(noEnd.length, 3);
    EXPECT_FALSE(answerComplete(reinterpret_cast<const uint8_t*>(longKm.data()), longKm.size(), 3));
    EXPECT_EQ(lengthOf("ID0362;", menus).length, 7);
}

}  // namespace
}  // namespace velmora
