// Whole-table checks that catch transcription slips in the built-in menu definitions, plus spot
// checks of single rows against the radio's menu listing.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "menulist/BuiltInMenuTable.h"
#include "menulist/MenuTexts.h"
#include "menulist/MenuValueCodec.h"

namespace velmora {
namespace {

const MenuItemDef& item(int number) {
    return builtInMenuDefinitions()[static_cast<size_t>(number - 1)];
}

template <size_t N>
bool terminated(const char (&text)[N]) {
    return std::memchr(text, '\0', N) != nullptr;
}

int digits(int64_t n) {
    return static_cast<int>(std::to_string(n < 0 ? -n : n).size());
}

bool whole(double v) {
    return v == std::floor(v);
}

// The bits that some position of a bit-string item owns.
int64_t positionsMask(const MenuItemDef& def) {
    int64_t mask = 0;
    for (int k = 0; k < def.width; ++k) mask |= menuPositionBit(k);
    return mask;
}

// The longest value field the item's values need.
int neededWidth(const MenuItemDef& def) {
    const auto maxMagnitude = static_cast<int64_t>(std::max(std::abs(def.max), std::abs(def.min)));
    switch (menuValueForm(def.valueKind)) {
        case MenuValueForm::WholeNumber:
            return (isSignedMenuKind(def.valueKind) ? 1 : 0) + digits(maxMagnitude);
        case MenuValueForm::NegativeMagnitude:
        case MenuValueForm::Tenths:
        case MenuValueForm::Kilohertz:
            return digits(maxMagnitude);
        case MenuValueForm::ChoiceIndex:
            return digits(def.choiceCount - 1);
        case MenuValueForm::MicGain:
            return digits(kMicGainFirstChoiceValue);
        case MenuValueForm::BeaconTime:
            return digits(kBeaconLastCode);
        case MenuValueForm::Positions:
            return def.choiceCount;
        case MenuValueForm::Unknown:
            break;
    }
    return 0;
}

// Whether the default is a value the item can take, judged by its kind.
::testing::AssertionResult defaultInRange(const MenuItemDef& def) {
    const double v = def.value;
    const auto fail = [&] {
        return ::testing::AssertionFailure() << "item " << def.number << " default " << v;
    };
    if (!whole(v)) return fail() << " is not whole";
    const auto onStep = [](double x, double from, double step) {
        const double steps = (x - from) / step;
        return std::abs(steps - std::round(steps)) < 1e-6;
    };
    switch (menuValueForm(def.valueKind)) {
        case MenuValueForm::WholeNumber:
            if (v < def.min || v > def.max || !onStep(v, def.min, def.step)) return fail();
            break;
        case MenuValueForm::NegativeMagnitude:
            if (v < def.max || v > def.min || !onStep(v, def.min, def.step)) return fail();
            break;
        case MenuValueForm::Tenths:
        case MenuValueForm::Kilohertz:
            if (v < def.min || v > def.max) return fail();
            break;
        case MenuValueForm::ChoiceIndex:
            if (v < 0 || v >= def.choiceCount) return fail() << " outside the choices";
            break;
        case MenuValueForm::MicGain:
            if (v != kMicGainFirstChoiceValue && (v < def.min || v > def.max)) return fail();
            break;
        case MenuValueForm::BeaconTime:
            if (v < 0 || v > kBeaconLastCode) return fail();
            break;
        case MenuValueForm::Positions: {
            int64_t outside = static_cast<int64_t>(v) & ~positionsMask(def);
            // MY BAND's default carries a bit (0x2000) that no position owns.
            if (def.number == 151) outside &= ~int64_t{0x2000};
            if (v < 0 || outside != 0) return fail() << " has bits no position owns";
            break;
        }
        case MenuValueForm::Unknown:
            return fail() << " kind " << def.valueKind << " unknown";
    }
    return ::testing::AssertionSuccess();
}

TEST(BuiltInMenuTable, HasItems1To177InOrder) {
    const auto& defs = builtInMenuDefinitions();
    ASSERT_EQ(defs.size(), 177u);
    EXPECT_EQ(kBuiltInMenuItemCount, 177);
    for (size_t i = 0; i < defs.size(); ++i) EXPECT_EQ(defs[i].number, static_cast<int>(i + 1));
}

TEST(BuiltInMenuTable, TextsFitTheirFields) {
    for (const auto& def : builtInMenuDefinitions()) {
        SCOPED_TRACE(def.number);
        ASSERT_TRUE(terminated(def.name) && terminated(def.rangeText) && terminated(def.unit));
        EXPECT_GT(std::strlen(def.name), 0u);
        EXPECT_LE(std::strlen(def.name), 20u);
        EXPECT_GT(std::strlen(def.rangeText), 0u);
        EXPECT_EQ(def.hasUnit != 0, def.unit[0] != '\0');
        EXPECT_EQ(def.changed, 0);
        for (const auto& choice : def.choices) ASSERT_TRUE(terminated(choice));
    }
}

TEST(BuiltInMenuTable, OnlyItems29And61To63EndWithASpace) {
    for (const auto& def : builtInMenuDefinitions()) {
        const std::string_view name = def.name;
        const bool expected = def.number == 29 || (def.number >= 61 && def.number <= 63);
        EXPECT_EQ(name.back() == ' ', expected) << def.number << " \"" << name << "\"";
        EXPECT_NE(name.front(), ' ') << def.number;
        EXPECT_EQ(name.find("  "), std::string_view::npos) << def.number;
    }
}

TEST(BuiltInMenuTable, ChoiceCountsMatchTheLabels) {
    for (const auto& def : builtInMenuDefinitions()) {
        SCOPED_TRACE(def.number);
        ASSERT_GE(def.choiceCount, 0);
        ASSERT_LE(def.choiceCount, kMenuMaxChoices);
        for (int k = 0; k < kMenuMaxChoices; ++k) {
            EXPECT_EQ(def.choices[k][0] != '\0', k < def.choiceCount) << "choice " << k;
        }
        const MenuValueForm form = menuValueForm(def.valueKind);
        if (form == MenuValueForm::ChoiceIndex) {
            EXPECT_GE(def.choiceCount, 2);
        }
        if (form == MenuValueForm::MicGain) {
            EXPECT_EQ(def.choiceCount, 2);
        }
        if (form == MenuValueForm::BeaconTime) {
            EXPECT_EQ(def.choiceCount, 1);
        }
        if (form == MenuValueForm::WholeNumber || form == MenuValueForm::NegativeMagnitude ||
            form == MenuValueForm::Tenths || form == MenuValueForm::Kilohertz) {
            EXPECT_EQ(def.choiceCount, 0);
            EXPECT_GT(def.step, 0);
        }
    }
}

TEST(BuiltInMenuTable, EveryDefaultIsAValueOfItsKind) {
    for (const auto& def : builtInMenuDefinitions()) EXPECT_TRUE(defaultInRange(def));
}

TEST(BuiltInMenuTable, EveryFieldHoldsTheItemsLargestValue) {
    for (const auto& def : builtInMenuDefinitions()) {
        SCOPED_TRACE(def.number);
        EXPECT_GE(def.width, neededWidth(def));
        if (menuValueForm(def.valueKind) == MenuValueForm::Positions) {
            EXPECT_EQ(def.width, def.choiceCount);
        }
    }
}

TEST(BuiltInMenuTable, EveryDefaultSurvivesTheFieldBothWays) {
    for (const auto& def : builtInMenuDefinitions()) {
        const std::string field = encodeMenuField(def.valueKind, def.width, def.value);
        ASSERT_EQ(field.size(), static_cast<size_t>(def.width)) << def.number;
        double expected = def.value;
        if (isBitStringKind(def.valueKind)) {
            expected = static_cast<double>(static_cast<int64_t>(def.value) & positionsMask(def));
        }
        EXPECT_EQ(decodeMenuField(def.valueKind, field), expected)
            << "item " << def.number << " field \"" << field << "\"";
    }
}

TEST(BuiltInMenuTable, EverySettingEntrySurvivesTheFieldBothWays) {
    for (const auto& def : builtInMenuDefinitions()) {
        for (const auto& entry : menuSettingEntries(def)) {
            const std::string field = encodeMenuField(def.valueKind, def.width, entry.value);
            ASSERT_EQ(decodeMenuField(def.valueKind, field), entry.value)
                << "item " << def.number << " entry " << entry.text << " field " << field;
        }
    }
}

TEST(BuiltInMenuTable, RowsReadAsListed) {
    const MenuItemDef& first = item(1);
    EXPECT_STREQ(first.name, "FAST DELAY");
    EXPECT_STREQ(first.rangeText, "20-4000 (20msec Steps)");
    EXPECT_EQ(first.value, 300);
    EXPECT_EQ(first.width, 4);
    EXPECT_EQ(first.valueKind, 0);
    EXPECT_EQ(first.hasUnit, 1);
    EXPECT_STREQ(first.unit, "msec");
    EXPECT_EQ(first.max, 4000);
    EXPECT_EQ(first.min, 20);
    EXPECT_EQ(first.step, 20);

    const MenuItemDef& level = item(17);
    EXPECT_EQ(level.value, 6392);
    EXPECT_EQ(level.valueKind, 38);
    EXPECT_STREQ(level.choices[2], "Dummy");
    EXPECT_STREQ(level.choices[9], "PROC");

    EXPECT_STREQ(item(19).rangeText, "PIN1/PTN2/PTN3");
    EXPECT_STREQ(item(19).choices[0], "PTN1");
    EXPECT_STREQ(item(29).name, "CW MEMORY 5 ");
    EXPECT_EQ(item(49).choiceCount, 68);
    EXPECT_STREQ(item(49).choices[67], "4000");
    EXPECT_STREQ(item(104).rangeText,
                 "50-3000/100-2900/200-2800/300-2700/400-2600 (Hz) /3000 (WB)");
    EXPECT_STREQ(item(132).rangeText, "1.800MHz - 1.999MHz (1kHz  Steps)");
    EXPECT_EQ(item(132).step, 0.001);
    EXPECT_EQ(item(138).value, 18068);
    EXPECT_EQ(item(15).max, 0);
    EXPECT_EQ(item(15).min, 30);
    EXPECT_EQ(item(65).step, 0.1);
    EXPECT_EQ(item(151).value, 16376);
    EXPECT_STREQ(item(151).choices[13], "TRV50");
    EXPECT_EQ(item(162).value, -6);
    EXPECT_EQ(item(170).min, 1);
    EXPECT_STREQ(item(177).name, "EMERGENCY FREQ TX");
}

}  // namespace
}  // namespace velmora
