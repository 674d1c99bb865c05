#include <gtest/gtest.h>

#include <limits>

#include "link/MenuValueCodec.h"
#include "menulist/BuiltInMenuTable.h"

namespace velmora {
namespace {

const MenuItemDef& item(int number) {
    return builtInMenuDefinitions()[static_cast<size_t>(number - 1)];
}

TEST(MenuFieldEncoding, NumbersFillTheWholeWidth) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    struct Row {
        int kind, width;
        double value;
        const char* field;
    };
    const Row rows[] = {
        // Signed kinds: the sign first, the magnitude over the rest ...
        {4, 3, -5, "-05"},
        {4, 3, 12, "+12"},
        {4, 3, 0, "+00"},
        {4, 5, -3000, "-3000"},
        // ... and a magnitude as wide as the field overwrites the sign.
        {4, 3, 100, "100"},
        {4, 3, -100, "100"},
        {4, 3, 1000, "000"},
        // Values are cut toward zero.
        {4, 3, -7.9, "-07"},
        {4, 3, 7.9, "+07"},
        {0, 4, 299.99, "0299"},
        {4, 3, -0.5, "+00"},
        // Unsigned kinds leave zeros for negative or too long values.
        {0, 4, 300, "0300"},
        {0, 4, -20, "0000"},
        {1, 1, 10, "0"},
        {13, 4, 1000, "1000"},
        {10, 5, 1800, "01800"},
        // Any double gives a field of the width.
        {0, 4, nan, "0000"},
        {0, 4, inf, "0000"},
        {4, 3, -inf, "000"},
        {14, 14, 1e300, "00000000000000"},
        {0, 0, 5, ""},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(encodeMenuField(r.kind, r.width, r.value), r.field)
            << "kind " << r.kind << " value " << r.value;
    }
    for (int kind : {4, 11, 25, 26, 27, 28, 29, 30}) {
        EXPECT_EQ(encodeMenuField(kind, 3, -6), "-06") << "kind " << kind;
    }
}

TEST(MenuFieldEncoding, BitStringsCarryOneCharacterPerPosition) {
    EXPECT_EQ(encodeMenuField(38, 13, 6392), "1100011111000");
    EXPECT_EQ(encodeMenuField(38, 13, 6384), "1100011110000");
    // MY BAND: 0x2000 of the factory value owns no position; TRV50, the fourteenth, is 0x4000
    // both ways, so a value read from the radio goes back unchanged.
    EXPECT_EQ(encodeMenuField(14, 14, 16376), "11111111110000");
    EXPECT_EQ(encodeMenuField(14, 14, 8191 | 0x4000), "11111111111111");
    for (const char* field : {"11111111110001", "00000000000001", "10000000000000"}) {
        EXPECT_EQ(encodeMenuField(14, 14, decodeMenuField(14, field)), field);
    }
}

TEST(MenuFieldEncoding, BeaconTimesAbove240SecondsGoAsTheirCode) {
    EXPECT_EQ(encodeMenuField(16, 3, 240), "240");
    EXPECT_EQ(encodeMenuField(16, 3, 270), "241");
    EXPECT_EQ(encodeMenuField(16, 3, 690), "255");
    // A value that already holds the code goes unchanged.
    EXPECT_EQ(encodeMenuField(16, 3, 241), "241");
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
