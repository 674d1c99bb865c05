#pragma once
// What the operator reads of a menu item: the setting text of a value in the menu list, the
// entries of the setting list, and the whole line of the list.
#include <string>
#include <vector>

#include "link/MenuItemDef.h"

namespace velmora {

// Shown position of bit-string items when the menu list opens: kind 14 starts at its last
// position, kind 38 at its first.
inline constexpr int kShownPositionStartKind14 = 13;
inline constexpr int kShownPositionStartKind38 = 0;

// The text put in place of a choice label when the index lies outside 0-69.
inline constexpr const char* kUnknownChoiceText = " ????????????";

// Setting text of value, with the leading space the list puts before every setting and without
// the unit. shownPosition picks the position reported for bit-string kinds (14, 38).
std::string menuValueText(const MenuItemDef& def, double value, int shownPosition = 0);

// One entry of an item's setting list and the value that choosing it stores as the new value.
struct MenuSettingEntry {
    std::string text;
    double value = 0;
};

// The setting list of an item by its value kind; empty for bit-string kinds, which are set
// with check boxes.
std::vector<MenuSettingEntry> menuSettingEntries(const MenuItemDef& def);

// Index of the entry whose value equals value as a whole number; -1 when there is none.
int menuSettingEntryIndex(const std::vector<MenuSettingEntry>& entries, double value);

// The menu list's line of an item: number, name, range text, the setting (of the new value when
// one is pending) and the unit.
std::string menuLineText(const MenuItemDef& def, int shownPositionKind14, int shownPositionKind38);

}  // namespace velmora
