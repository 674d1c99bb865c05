#pragma once
// The option buttons' pop-up menus: where each opens, its items, and which item stands for the
// setting the radio reports now. The value an item sends is its id - 1.
#include <cstdint>
#include <span>

#include "panel/input/PanelInputHost.h"

namespace velmora {

struct RadioRecords;

struct OptionMenu {
    int32_t code;
    bool subList;       // the list for the SUB target (codes 14 and 15 have one of each)
    PanelPoint offset;  // from the main window's outer top-left corner
    std::span<const OptionMenuItem> items;
    // The setting as the radio reports it (side: 0 MAIN, 1 SUB), or nullptr when none is kept.
    int32_t (*reported)(const RadioRecords&, int side);
    // The reported digit that each sent value 0, 1, 2... gives (the command's mapping).
    const char* reportedBySent;
};

// The menu of an option button for the target side; nullptr for any other code.
const OptionMenu* optionMenuOf(int32_t code, bool sub);
// The id of the item that stands for the reported setting; 0 when unknown or not offered.
uint32_t checkedItem(const OptionMenu& menu, const RadioRecords& records, int side);

}  // namespace velmora
