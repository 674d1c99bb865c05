#pragma once
// The setting dialogs of the menu list, without the toolkit: which dialog an item uses, what it
// offers and preselects, and what its OK makes of the working-copy record.
#include <string>
#include <vector>

#include "link/MenuItemDef.h"
#include "menulist/MenuTexts.h"

namespace velmora {

enum class MenuSettingDialog {
    Choice,      // 717: one entry of a list
    Bands,       // 869: MY BAND's check boxes (kind 14), labelled by the item's choices
    Indicators,  // 922: LEVEL INDICATOR's check boxes (kind 38), fixed labels, some hidden
};
inline constexpr int kDialogChoice = 717, kDialogBands = 869, kDialogIndicators = 922;

MenuSettingDialog menuSettingDialog(const MenuItemDef& def);
int menuSettingDialogId(MenuSettingDialog dialog);

// "%03d  %s" of number and name, with "  (%s)" of the unit for the list dialog when there is one.
std::string menuSettingTitle(const MenuItemDef& def, MenuSettingDialog dialog);

// The value the dialog starts from: the pending one when the operator already entered one (the
// line shows it), else the radio's.
double menuShownValue(const MenuItemDef& def);

// Lists with more entries than this are better edited with a spin box than a drop-down.
inline constexpr size_t kMenuLongListEntries = 200;

// Dialog 717.
struct MenuChoiceList {
    std::vector<MenuSettingEntry> entries;
    int selected = -1;  // the entry of the shown value, -1 when none matches
};
MenuChoiceList menuChoiceList(const MenuItemDef& def);
// OK with entry index chosen: the new value is the entry's value (for BEACON TIME the seconds,
// as the store keeps them); the changed flag says whether it differs from the radio's value.
// An index outside the list changes nothing. Returns whether the record was touched.
bool applyMenuChoice(MenuItemDef& def, const MenuChoiceList& list, int index);

// Dialogs 869 and 922: one box per position below the choice count.
struct MenuPositionBox {
    int position = 0;
    int controlId = 0;  // 1018 + position
    std::string label;
    bool visible = true;
    bool checked = false;
};
std::vector<MenuPositionBox> menuPositionBoxes(const MenuItemDef& def);
// OK with the boxes as the operator left them. Only the bits a position can show are compared
// with the radio's value and replaced; other bits of the value stay.
void applyMenuPositions(MenuItemDef& def, const std::vector<MenuPositionBox>& boxes);

}  // namespace velmora
