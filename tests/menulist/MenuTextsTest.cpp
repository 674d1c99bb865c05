#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "menulist/BuiltInMenuTable.h"
#include "menulist/MenuTexts.h"

namespace velmora {
namespace {

const MenuItemDef& item(int number) {
    return builtInMenuDefinitions()[static_cast<size_t>(number - 1)];
}

std::string text(int number, double value, int shownPosition = 0) {
    return menuValueText(item(number), value, shownPosition);
}

TEST(MenuValueText, ShowsEachKindAsTheOperatorReadsIt) {
    struct Row {
        int item;
        double value;
        int shownPosition;
        const char* text;
    };
    const Row rows[] = {
        {1, 300, 0, " 300"},
        {37, -20, 0, " -20"},
        {15, 4, 0, " -4"},
        {65, 30, 0, " 3.0"},
        {132, 1800, 0, " 1.800"},
        {142, 53999, 0, " 53.999"},
        {51, 1000, 0, " MCVR"},
        {51, 30, 0, " FIX(30)"},
        {32, 1, 0, " 9600"},
        {7, 4, 0, " UMBER"},
        // Beacon time shows seconds whether the value holds the code or (as the answer
        // analysis stores it) the seconds.
        {22, 0, 0, " OFF"},
        {22, 240, 0, " 240"},
        {22, 241, 0, " 270"},
        {22, 255, 0, " 690"},
        {22, 270, 0, " 270"},
        {22, 690, 0, " 690"},
        // A choice index outside 0-69 shows question marks; within it but beyond the labels,
        // the empty label.
        {32, 70, 0, " ????????????"},
        {32, -1, 0, " ????????????"},
        {32, 1e300, 0, " ????????????"},
        {32, 69, 0, " "},
        // A bit string shows the shown position only; TRV50 (the fourteenth) is 0x4000.
        {17, 6392, 2, " Dummy OFF"},
        {17, 6392, 9, " PROC ON"},
        {17, 6384, 9, " PROC OFF"},
        {151, 16376, 9, " 50 ON"},
        {151, 16376, 10, " GEN OFF"},
        {151, 16383, 13, " TRV50 OFF"},
        {151, 16376 | 0x4000, 13, " TRV50 ON"},
        {151, 16376, 70, " ????????????"},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(text(r.item, r.value, r.shownPosition), r.text)
            << "item " << r.item << " value " << r.value;
    }
}

// A list in short: "count: first text=value, last text=value".
std::string summary(const std::vector<MenuSettingEntry>& entries) {
    if (entries.empty()) return "empty";
    const auto entry = [](const MenuSettingEntry& e) {
        return e.text + "=" + std::to_string(static_cast<int64_t>(e.value));
    };
    return std::to_string(entries.size()) + ": " + entry(entries.front()) + ", " +
           entry(entries.back());
}

TEST(MenuSettingEntries, EachKindListsItsValuesInOrder) {
    const std::pair<int, const char*> lists[] = {
        {1, "200: 20=20, 4000=4000"},  // numeric, from min to max by step
        {37, "41: -20=-20, 20=20"},    // signed
        {15, "16: -30=30, 0=0"},       // negative magnitudes
        {65, "21: 2.5=25, 4.5=45"},    // fractional steps keep the last value
        {141, "1700: 28.000=28000, 29.699=29699"},
        {32, "4: 4800=0, 38400=3"},            // choices
        {51, "102: MCVR=1000, FIX(100)=100"},  // mic gain
        {22, "256: OFF=0, 690=690"},           // beacon time
        {151, "empty"},                        // bit strings have no list
        {17, "empty"},
    };
    for (const auto& [number, expected] : lists) {
        EXPECT_EQ(summary(menuSettingEntries(item(number))), expected) << "item " << number;
    }
    const auto offset = menuSettingEntries(item(15));
    EXPECT_EQ(offset[2].text, "-26");
    EXPECT_EQ(menuSettingEntries(item(141))[1].text, "28.001");
    const auto gain = menuSettingEntries(item(51));
    EXPECT_EQ(gain[1].text, "FIX(0)");
    EXPECT_EQ(gain[31].text, "FIX(30)");
    EXPECT_EQ(gain[31].value, 30);
    const auto beacon = menuSettingEntries(item(22));
    EXPECT_EQ(beacon[240].text, "240");
    EXPECT_EQ(beacon[241].text, "270");
    EXPECT_EQ(beacon[241].value, 270);
}

TEST(MenuSettingEntries, TheItemsValueSelectsItsEntry) {
    EXPECT_EQ(menuSettingEntryIndex(menuSettingEntries(item(1)), 300), 14);
    EXPECT_EQ(menuSettingEntryIndex(menuSettingEntries(item(65)), 30), 5);
    EXPECT_EQ(menuSettingEntryIndex(menuSettingEntries(item(51)), 1000), 0);
    EXPECT_EQ(menuSettingEntryIndex(menuSettingEntries(item(22)), 690), 255);
    EXPECT_EQ(menuSettingEntryIndex(menuSettingEntries(item(1)), 310), -1);
}

TEST(MenuSettingEntries, ADamagedRecordGivesABoundedList) {
    MenuItemDef def = item(1);
    def.step = 0;
    EXPECT_EQ(menuSettingEntries(def).size(), 1u);
    def.step = -5;
    EXPECT_EQ(menuSettingEntries(def).size(), 1u);
    def.step = 1e-9;
    EXPECT_LE(menuSettingEntries(def).size(), 100000u);
    def.min = 10;
    def.max = 5;
    def.step = 1;
    EXPECT_TRUE(menuSettingEntries(def).empty());

    MenuItemDef choices = item(32);
    choices.choiceCount = 500;
    EXPECT_EQ(menuSettingEntries(choices).size(), 70u);
    choices.choiceCount = -3;
    EXPECT_TRUE(menuSettingEntries(choices).empty());
}

TEST(MenuLineText, NumberNameRangeSettingAndUnit) {
    const std::string expected = "001" + std::string("  FAST DELAY") + std::string(9, ' ') +
                                 "  20-4000 (20msec Steps)" + std::string(72, ' ') + " 300msec";
    EXPECT_EQ(menuLineText(item(1), kShownPositionStartKind14, kShownPositionStartKind38),
              expected);
    EXPECT_EQ(menuLineText(item(15), 0, 0).substr(120), " 0");
}

TEST(MenuLineText, APendingNewValueIsShownInsteadOfTheValue) {
    MenuItemDef def = item(32);
    def.newValue = 2;
    EXPECT_TRUE(menuLineText(def, 0, 0).ends_with(" 4800bps"));
    def.changed = 1;
    EXPECT_TRUE(menuLineText(def, 0, 0).ends_with(" 19200bps"));
}

TEST(MenuLineText, BitStringLinesUseTheShownPositionOfTheirKind) {
    EXPECT_TRUE(menuLineText(item(151), 9, 0).ends_with(" 50 ON"));
    EXPECT_TRUE(menuLineText(item(151), kShownPositionStartKind14, 9).ends_with(" TRV50 OFF"));
    EXPECT_TRUE(menuLineText(item(17), 13, 9).ends_with(" PROC ON"));
}

TEST(MenuLineText, UnterminatedTextsAreCutAtTheirField) {
    MenuItemDef def = item(1);
    std::memset(def.name, 'N', sizeof def.name);
    std::memset(def.unit, 'U', sizeof def.unit);
    const std::string line = menuLineText(def, 0, 0);
    EXPECT_EQ(line.substr(3, 23), "  " + std::string(21, 'N'));
    EXPECT_TRUE(line.ends_with(" 300" + std::string(11, 'U')));
}

}  // namespace
}  // namespace velmora
