#include "windows/MenuSettingChoice.h"

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <string_view>

#include "link/MenuValueCodec.h"

namespace velmora {

namespace {

constexpr int kFirstBoxId = 1018;

// LEVEL INDICATOR's boxes: their labels and which of them show; the hidden ones keep the bits
// of positions the radio does not use.
struct IndicatorBox {
    const char* label;
    bool visible;
};
// clang-format off
constexpr IndicatorBox kIndicatorBoxes[] = {
    {"PITCH",     true},
    {"SPEED",     true},
    {"CONTOUR",   false},
    {"NOTCH",     false},
    {"DNR",       false},
    {"CW DELAY",  true},
    {"VOX DELAY", true},
    {"RF PWR",    true},
    {"MIC GAIN",  true},
    {"PROC",      true},
    {"SHIFT",     false},
    {"WIDTH",     false},
    {"WIDTH",     false},
};
// clang-format on
constexpr int kIndicatorBoxCount = static_cast<int>(std::size(kIndicatorBoxes));

template <size_t N>
std::string_view fieldText(const char (&text)[N]) {
    size_t length = 0;
    while (length < N && text[length] != '\0') ++length;
    return {text, length};
}

int positionCount(const MenuItemDef& def) {
    return std::clamp(def.choiceCount, 0, kMenuPositionCount);
}

}  // namespace

MenuSettingDialog menuSettingDialog(const MenuItemDef& def) {
    if (def.valueKind == 14) return MenuSettingDialog::Bands;
    if (def.valueKind == 38) return MenuSettingDialog::Indicators;
    return MenuSettingDialog::Choice;
}

int menuSettingDialogId(MenuSettingDialog dialog) {
    switch (dialog) {
        case MenuSettingDialog::Bands:
            return kDialogBands;
        case MenuSettingDialog::Indicators:
            return kDialogIndicators;
        case MenuSettingDialog::Choice:
            break;
    }
    return kDialogChoice;
}

std::string menuSettingTitle(const MenuItemDef& def, MenuSettingDialog dialog) {
    char number[16];
    std::snprintf(number, sizeof number, "%03d", def.number);
    std::string title = std::string(number) + "  " + std::string(fieldText(def.name));
    if (dialog == MenuSettingDialog::Choice && def.hasUnit != 0) {
        title += "  (" + std::string(fieldText(def.unit)) + ")";
    }
    return title;
}

double menuShownValue(const MenuItemDef& def) {
    return def.changed != 0 ? def.newValue : def.value;
}

MenuChoiceList menuChoiceList(const MenuItemDef& def) {
    MenuChoiceList list;
    list.entries = menuSettingEntries(def);
    list.selected = menuSettingEntryIndex(list.entries, menuShownValue(def));
    return list;
}

bool applyMenuChoice(MenuItemDef& def, const MenuChoiceList& list, int index) {
    if (index < 0 || static_cast<size_t>(index) >= list.entries.size()) return false;
    def.newValue = list.entries[static_cast<size_t>(index)].value;
    def.changed = wholeMenuValue(def.newValue) != wholeMenuValue(def.value) ? 1 : 0;
    return true;
}

std::vector<MenuPositionBox> menuPositionBoxes(const MenuItemDef& def) {
    const bool indicators = menuSettingDialog(def) == MenuSettingDialog::Indicators;
    const int64_t shown = wholeMenuValue(menuShownValue(def));
    std::vector<MenuPositionBox> boxes;
    const int count =
        indicators ? std::min(positionCount(def), kIndicatorBoxCount) : positionCount(def);
    for (int k = 0; k < count; ++k) {
        MenuPositionBox box;
        box.position = k;
        box.controlId = kFirstBoxId + k;
        box.label = indicators ? kIndicatorBoxes[k].label : std::string(fieldText(def.choices[k]));
        box.visible = !indicators || kIndicatorBoxes[k].visible;
        box.checked = (shown & menuPositionBit(k)) != 0;
        boxes.push_back(std::move(box));
    }
    return boxes;
}

void applyMenuPositions(MenuItemDef& def, const std::vector<MenuPositionBox>& boxes) {
    const int64_t mask = menuPositionMask(positionCount(def));
    const int64_t radio = wholeMenuValue(def.value);
    int64_t chosen = 0;
    for (const MenuPositionBox& box : boxes) {
        if (box.checked) chosen |= menuPositionBit(box.position) & mask;
    }
    const int64_t next = (radio & ~mask) | chosen;
    def.newValue = static_cast<double>(next);
    def.changed = next != radio ? 1 : 0;
}

}  // namespace velmora
