#include "menulist/MenuTexts.h"

#include <algorithm>
#include <cinttypes>
#include <cmath>
#include <cstdio>
#include <string_view>

#include "link/MenuValueCodec.h"

namespace velmora {

namespace {

// A record may come from anywhere (a copy, a test): never read past a text field.
template <size_t N>
std::string_view fieldText(const char (&text)[N]) {
    size_t length = 0;
    while (length < N && text[length] != '\0') ++length;
    return {text, length};
}

std::string format(const char* pattern, auto... args) {
    char buffer[64];
    const int n = std::snprintf(buffer, sizeof buffer, pattern, args...);
    return std::string(buffer,
                       n < 0 ? 0 : std::min<size_t>(static_cast<size_t>(n), sizeof buffer - 1));
}

std::string wholeText(int64_t n) {
    return format("%" PRId64, n);
}

std::string choiceText(const MenuItemDef& def, int64_t index) {
    if (index < 0 || index >= kMenuMaxChoices) return kUnknownChoiceText;
    return " " + std::string(fieldText(def.choices[index]));
}

std::string positionText(const MenuItemDef& def, int64_t n, int position) {
    if (position < 0 || position >= kMenuMaxChoices) return kUnknownChoiceText;
    const bool on = (n & menuPositionBit(position)) != 0;
    return choiceText(def, position) + (on ? " ON" : " OFF");
}

std::string padded(std::string text, size_t width) {
    if (text.size() < width) text.append(width - text.size(), ' ');
    return text;
}

// The most entries one setting list offers; far above the table's longest (10000), it bounds a
// list built from a damaged record.
constexpr int64_t kMaxEntries = 100000;

// Whole values from first while not beyond last, step apart, each passed to add. Counting the
// steps instead of adding them up keeps the last value when the step is a fraction.
template <typename Add>
void forEachStep(double first, double last, double step, Add add) {
    if (!(last >= first)) return;
    int64_t count = 1;
    if (step > 0) {
        count = static_cast<int64_t>(std::floor((last - first) / step + 1e-9)) + 1;
    }
    if (count > kMaxEntries) count = kMaxEntries;
    for (int64_t i = 0; i < count; ++i) add(std::llround(first + static_cast<double>(i) * step));
}

void addChoices(const MenuItemDef& def, std::vector<MenuSettingEntry>& entries) {
    const int count = def.choiceCount < 0 ? 0 : std::min(def.choiceCount, kMenuMaxChoices);
    for (int k = 0; k < count; ++k) {
        entries.push_back({std::string(fieldText(def.choices[k])), static_cast<double>(k)});
    }
}

void addBeaconTimes(const MenuItemDef& def, std::vector<MenuSettingEntry>& entries) {
    entries.push_back({std::string(fieldText(def.choices[0])), 0});
    for (int s = 1; s <= kBeaconLastPlainSecond; ++s) entries.push_back({wholeText(s), double(s)});
    for (int code = kBeaconFirstCode; code <= kBeaconLastCode; ++code) {
        // The store keeps seconds, as the radio's answers are stored.
        const int64_t seconds = beaconCodeToSeconds(code);
        entries.push_back({wholeText(seconds), static_cast<double>(seconds)});
    }
}

}  // namespace

std::string menuValueText(const MenuItemDef& def, double value, int shownPosition) {
    const int64_t n = wholeMenuValue(value);
    switch (menuValueForm(def.valueKind)) {
        case MenuValueForm::WholeNumber:
            return " " + wholeText(n);
        case MenuValueForm::ChoiceIndex:
            return choiceText(def, n);
        case MenuValueForm::NegativeMagnitude:
            return " " + wholeText(-n);
        case MenuValueForm::Tenths:
            return format(" %.1f", value * 0.1);
        case MenuValueForm::Kilohertz:
            return format(" %.3f", value * 0.001);
        case MenuValueForm::MicGain:
            if (value >= kMicGainFirstChoiceValue) return choiceText(def, 0);
            return choiceText(def, 1) + "(" + wholeText(n) + ")";
        case MenuValueForm::Positions:
            return positionText(def, n, shownPosition);
        case MenuValueForm::BeaconTime:
            if (value == 0) return choiceText(def, 0);
            return " " + wholeText(beaconSeconds(n));
        case MenuValueForm::Unknown:
            break;
    }
    return {};
}

std::vector<MenuSettingEntry> menuSettingEntries(const MenuItemDef& def) {
    std::vector<MenuSettingEntry> entries;
    auto addWhole = [&](int64_t v) { entries.push_back({wholeText(v), static_cast<double>(v)}); };
    switch (menuValueForm(def.valueKind)) {
        case MenuValueForm::WholeNumber:
            forEachStep(def.min, def.max, def.step, addWhole);
            break;
        case MenuValueForm::ChoiceIndex:
            addChoices(def, entries);
            break;
        case MenuValueForm::NegativeMagnitude:
            // Shown from -min up to -max; the value is the magnitude.
            forEachStep(-def.min, -def.max, def.step, [&](int64_t shown) {
                entries.push_back({wholeText(shown), static_cast<double>(-shown)});
            });
            break;
        case MenuValueForm::Tenths:
            forEachStep(def.min, def.max, def.step * 10, [&](int64_t v) {
                entries.push_back({format("%.1f", static_cast<double>(v) * 0.1), double(v)});
            });
            break;
        case MenuValueForm::Kilohertz:
            forEachStep(def.min, def.max, def.step * 1000, [&](int64_t v) {
                entries.push_back({format("%.3f", static_cast<double>(v) * 0.001), double(v)});
            });
            break;
        case MenuValueForm::MicGain: {
            const std::string label(fieldText(def.choices[1]));
            entries.push_back({std::string(fieldText(def.choices[0])),
                               static_cast<double>(kMicGainFirstChoiceValue)});
            forEachStep(def.min, def.max, def.step, [&](int64_t v) {
                entries.push_back({label + "(" + wholeText(v) + ")", static_cast<double>(v)});
            });
            break;
        }
        case MenuValueForm::BeaconTime:
            addBeaconTimes(def, entries);
            break;
        case MenuValueForm::Positions:
        case MenuValueForm::Unknown:
            break;
    }
    return entries;
}

int menuSettingEntryIndex(const std::vector<MenuSettingEntry>& entries, double value) {
    const int64_t n = wholeMenuValue(value);
    for (size_t i = 0; i < entries.size(); ++i) {
        if (wholeMenuValue(entries[i].value) == n) return static_cast<int>(i);
    }
    return -1;
}

std::string menuLineText(const MenuItemDef& def, int shownPositionKind14, int shownPositionKind38) {
    const double value = def.changed != 0 ? def.newValue : def.value;
    const int shown = def.valueKind == 38 ? shownPositionKind38 : shownPositionKind14;
    std::string line = format("%03d", def.number);
    line += padded("  " + std::string(fieldText(def.name)), 21);
    line += padded("  " + std::string(fieldText(def.rangeText)), 96);
    line += menuValueText(def, value, shown);
    if (def.hasUnit != 0) line += fieldText(def.unit);
    return line;
}

}  // namespace velmora
