#include <gtest/gtest.h>

#include <cstring>
#include <string>

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
    EXPECT_EQ(text(1, 300), " 300");
    EXPECT_EQ(text(37, -20), " -20");
    EXPECT_EQ(text(15, 4), " -4");
    EXPECT_EQ(text(65, 30), " 3.0");
    EXPECT_EQ(text(132, 1800), " 1.800");
    EXPECT_EQ(text(142, 53999), " 53.999");
    EXPECT_EQ(text(51, 1000), " MCVR");
    EXPECT_EQ(text(51, 30), " FIX(30)");
    EXPECT_EQ(text(32, 1), " 9600");
    EXPECT_EQ(text(7, 4), " UMBER");
}

TEST(MenuValueText, BeaconTimeShowsSecondsWhetherTheValueHoldsTheCodeOrTheSeconds) {
    EXPECT_EQ(text(22, 0), " OFF");
    EXPECT_EQ(text(22, 240), " 240");
    EXPECT_EQ(text(22, 241), " 270");
    EXPECT_EQ(text(22, 255), " 690");
    // What the answer analysis stores for the field "241".
    EXPECT_EQ(text(22, 270), " 270");
    EXPECT_EQ(text(22, 690), " 690");
}

TEST(MenuValueText, ChoiceIndexOutside0To69ShowsQuestionMarks) {
    EXPECT_EQ(text(32, 70), " ????????????");
    EXPECT_EQ(text(32, -1), " ????????????");
    EXPECT_EQ(text(32, 1e300), " ????????????");
    // Within 0-69 but beyond the labels: the empty label.
    EXPECT_EQ(text(32, 69), " ");
}

TEST(MenuValueText, BitStringShowsTheShownPositionOnly) {
    EXPECT_EQ(text(17, 6392, 2), " Dummy OFF");
    EXPECT_EQ(text(17, 6392, 9), " PROC ON");
    EXPECT_EQ(text(17, 6384, 9), " PROC OFF");
    EXPECT_EQ(text(151, 16376, 9), " 50 ON");
    EXPECT_EQ(text(151, 16376, 10), " GEN OFF");
    // The fourteenth position owns no bit.
    EXPECT_EQ(text(151, 16383, 13), " TRV50 OFF");
    EXPECT_EQ(text(151, 16376, 70), " ????????????");
}

TEST(MenuSettingEntries, NumericRunsFromMinToMaxByStep) {
    const auto delay = menuSettingEntries(item(1));
    ASSERT_EQ(delay.size(), 200u);
    EXPECT_EQ(delay.front().text, "20");
    EXPECT_EQ(delay.back().text, "4000");
    EXPECT_EQ(delay.back().value, 4000);

    const auto split = menuSettingEntries(item(37));
    ASSERT_EQ(split.size(), 41u);
    EXPECT_EQ(split.front().text, "-20");
    EXPECT_EQ(split.front().value, -20);

    const auto offset = menuSettingEntries(item(15));
    ASSERT_EQ(offset.size(), 16u);
    EXPECT_EQ(offset.front().text, "-30");
    EXPECT_EQ(offset.front().value, 30);
    EXPECT_EQ(offset[2].text, "-26");
    EXPECT_EQ(offset.back().text, "0");
    EXPECT_EQ(offset.back().value, 0);
}

TEST(MenuSettingEntries, FractionalStepsKeepTheLastValue) {
    const auto weight = menuSettingEntries(item(65));
    ASSERT_EQ(weight.size(), 21u);
    EXPECT_EQ(weight.front().text, "2.5");
    EXPECT_EQ(weight.front().value, 25);
    EXPECT_EQ(weight.back().text, "4.5");
    EXPECT_EQ(weight.back().value, 45);

    const auto fix = menuSettingEntries(item(141));
    ASSERT_EQ(fix.size(), 1700u);
    EXPECT_EQ(fix.front().text, "28.000");
    EXPECT_EQ(fix[1].text, "28.001");
    EXPECT_EQ(fix.back().text, "29.699");
    EXPECT_EQ(fix.back().value, 29699);
}

TEST(MenuSettingEntries, ChoiceAndSpecialKinds) {
    const auto rate = menuSettingEntries(item(32));
    ASSERT_EQ(rate.size(), 4u);
    EXPECT_EQ(rate[3].text, "38400");
    EXPECT_EQ(rate[3].value, 3);

    const auto gain = menuSettingEntries(item(51));
    ASSERT_EQ(gain.size(), 102u);
    EXPECT_EQ(gain[0].text, "MCVR");
    EXPECT_EQ(gain[0].value, 1000);
    EXPECT_EQ(gain[1].text, "FIX(0)");
    EXPECT_EQ(gain[31].text, "FIX(30)");
    EXPECT_EQ(gain[31].value, 30);

    const auto beacon = menuSettingEntries(item(22));
    ASSERT_EQ(beacon.size(), 256u);
    EXPECT_EQ(beacon[0].text, "OFF");
    EXPECT_EQ(beacon[240].text, "240");
    EXPECT_EQ(beacon[241].text, "270");
    EXPECT_EQ(beacon[241].value, 270);
    EXPECT_EQ(beacon[255].text, "690");

    EXPECT_TRUE(menuSettingEntries(item(151)).empty());
    EXPECT_TRUE(menuSettingEntries(item(17)).empty());
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
