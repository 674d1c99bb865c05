#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "menulist/BuiltInMenuTable.h"
#include "menulist/MenuValueCodec.h"

namespace velmora {
namespace {

const MenuItemDef& item(int number) {
    return builtInMenuDefinitions()[static_cast<size_t>(number - 1)];
}

TEST(MenuFieldEncoding, SignedKindsPutTheSignFirstAndTheMagnitudeOverTheWholeWidth) {
    EXPECT_EQ(encodeMenuField(4, 3, -5), "-05");
    EXPECT_EQ(encodeMenuField(4, 3, 12), "+12");
    EXPECT_EQ(encodeMenuField(4, 3, 0), "+00");
    // A magnitude with as many digits as the field overwrites the sign.
    EXPECT_EQ(encodeMenuField(4, 3, 100), "100");
    EXPECT_EQ(encodeMenuField(4, 3, -100), "100");
    EXPECT_EQ(encodeMenuField(4, 3, 1000), "000");
    EXPECT_EQ(encodeMenuField(4, 5, -3000), "-3000");
    for (int kind : {4, 11, 25, 26, 27, 28, 29, 30}) {
        EXPECT_EQ(encodeMenuField(kind, 3, -6), "-06") << "kind " << kind;
    }
}

TEST(MenuFieldEncoding, ValuesAreCutTowardZero) {
    EXPECT_EQ(encodeMenuField(4, 3, -7.9), "-07");
    EXPECT_EQ(encodeMenuField(4, 3, 7.9), "+07");
    EXPECT_EQ(encodeMenuField(0, 4, 299.99), "0299");
    EXPECT_EQ(encodeMenuField(4, 3, -0.5), "+00");
}

TEST(MenuFieldEncoding, UnsignedKindsLeaveZerosForNegativeOrTooLongValues) {
    EXPECT_EQ(encodeMenuField(0, 4, 300), "0300");
    EXPECT_EQ(encodeMenuField(0, 4, -20), "0000");
    EXPECT_EQ(encodeMenuField(1, 1, 10), "0");
    EXPECT_EQ(encodeMenuField(8, 2, 4), "04");
    EXPECT_EQ(encodeMenuField(13, 4, 1000), "1000");
    EXPECT_EQ(encodeMenuField(9, 2, 30), "30");
    EXPECT_EQ(encodeMenuField(10, 5, 1800), "01800");
}

TEST(MenuFieldEncoding, AnyDoubleGivesAFieldOfTheWidth) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(encodeMenuField(0, 4, nan), "0000");
    EXPECT_EQ(encodeMenuField(0, 4, inf), "0000");
    EXPECT_EQ(encodeMenuField(4, 3, -inf), "000");
    EXPECT_EQ(encodeMenuField(14, 14, 1e300), "00000000000000");
    EXPECT_EQ(encodeMenuField(0, 0, 5), "");
}

TEST(MenuFieldEncoding, BitStringsCarryOneCharacterPerPosition) {
    EXPECT_EQ(encodeMenuField(38, 13, 6392), "1100011111000");
    EXPECT_EQ(encodeMenuField(38, 13, 6384), "1100011110000");
    // The fourteenth position of a width-14 field has no bit and always goes as "0".
    EXPECT_EQ(encodeMenuField(14, 14, 16376), "11111111110000");
    EXPECT_EQ(encodeMenuField(14, 14, 8191), "11111111111110");
    EXPECT_EQ(decodeMenuField(38, "1100011111000"), 6392);
}

TEST(MenuFieldEncoding, BeaconTimesAbove240SecondsGoAsTheirCode) {
    EXPECT_EQ(encodeMenuField(16, 3, 0), "000");
    EXPECT_EQ(encodeMenuField(16, 3, 240), "240");
    EXPECT_EQ(encodeMenuField(16, 3, 270), "241");
    EXPECT_EQ(encodeMenuField(16, 3, 300), "242");
    EXPECT_EQ(encodeMenuField(16, 3, 690), "255");
    // A value that already holds the code goes unchanged.
    EXPECT_EQ(encodeMenuField(16, 3, 241), "241");
    EXPECT_EQ(encodeMenuField(16, 3, 255), "255");
    for (int seconds = 270; seconds <= 690; seconds += 30) {
        EXPECT_EQ(decodeMenuField(16, encodeMenuField(16, 3, seconds)), seconds);
    }
    EXPECT_EQ(decodeMenuField(16, "241"), 270);
    EXPECT_EQ(decodeMenuField(16, "255"), 690);
}

TEST(MenuSetCommand, CarriesNumberFieldAndTerminator) {
    MenuItemDef catRate = item(32);
    catRate.newValue = 1;
    EXPECT_EQ(menuSetCommand(catRate), "EX0321;");

    MenuItemDef level = item(153);
    level.newValue = -6;
    EXPECT_EQ(menuSetCommand(level), "EX153-06;");

    MenuItemDef band = item(151);
    band.newValue = band.value;
    EXPECT_EQ(menuSetCommand(band), "EX15111111111110000;");

    // The new value is sent, not the radio's value.
    MenuItemDef delay = item(1);
    delay.newValue = 4000;
    EXPECT_EQ(menuSetCommand(delay), "EX0014000;");
}

}  // namespace
}  // namespace velmora
