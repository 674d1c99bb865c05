// Whole-table checks that catch transcription slips in the built-in menu definitions (single rows
// are checked through the texts and commands they produce).
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "link/MenuValueCodec.h"
#include "menulist/BuiltInMenuTable.h"
#include "menulist/MenuTexts.h"

namespace velmora {
namespace {

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

}  // namespace
}  // namespace velmora
