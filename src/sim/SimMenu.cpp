#include "sim/SimMenu.h"

#include "menulist/BuiltInMenuTable.h"

namespace velmora::sim {

const std::vector<SimMenuItem>& simMenuItems() {
    static const std::vector<SimMenuItem> items = [] {
        std::vector<SimMenuItem> out;
        for (const MenuItemDef& d : builtInMenuDefinitions())
            out.push_back({d.number, static_cast<int64_t>(d.value), d.width, d.valueKind, d.max,
                           d.min, d.step, d.choiceCount});
        return out;
    }();
    return items;
}

int simMenuItemCount() {
    return static_cast<int>(simMenuItems().size());
}

}  // namespace velmora::sim
