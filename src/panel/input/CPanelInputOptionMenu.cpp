// The option buttons of CPanelInput: a click shows the button's menu, and the chosen item is the
// button's whole action.
#include "link/RadioStateStore.h"
#include "panel/input/CPanelInput.h"
#include "panel/input/OptionMenuTable.h"

namespace velmora {

int32_t CPanelInput::OptionMenuStep(int32_t code) {
    if (anyWindowOpen()) return code;
    const bool sub = store_.panel.subTarget.get() != 0;
    const OptionMenu* menu = optionMenuOf(code, sub);
    if (!menu) return code;
    // Only another option button forgets the last choice: code 9 sends it.
    menuChoice_ = 0;
    ShowButtonState(code, true);
    const uint32_t checked = checkedItem(*menu, store_.records, sub ? kSub : kMain);
    const uint32_t chosen = host_.trackOptionMenu(menu->items, menu->offset, checked);
    ShowButtonState(code, false);
    if (chosen != 0) {
        menuChoice_ = static_cast<int32_t>(chosen) - 1;
        IssuePanelCommand(code, subTarget_);
    }
    return 0;
}

}  // namespace velmora
