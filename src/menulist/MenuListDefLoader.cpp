#include "menulist/MenuListDefLoader.h"

#include <utility>

#include "link/MenuTable.h"
#include "link/MessageIds.h"
#include "menulist/BuiltInMenuTable.h"

namespace velmora {

MenuListDefLoader::MenuListDefLoader(MenuTable& table, MenuListDefLoaderHooks hooks)
    : table_(table), hooks_(std::move(hooks)) {}

bool MenuListDefLoader::handle(uint32_t id) {
    switch (id) {
        case msg::WM_MENU_LOAD:
            load();
            return false;
        case msg::WM_THREAD_QUIT:
            finish();
            return true;
        default:
            return false;
    }
}

void MenuListDefLoader::load() {
    const auto& defs = builtInMenuDefinitions();
    // The records go in before the count grows, so that a reader never finds a number within
    // the count whose record is still empty.
    table_.install(defs.data(), kBuiltInMenuItemCount);
    table_.setCount(kBuiltInMenuItemCount);
    if (hooks_.postSelf) hooks_.postSelf(msg::WM_THREAD_QUIT);
}

void MenuListDefLoader::finish() {
    if (hooks_.openGate) hooks_.openGate();
    const bool failureEnabled = hooks_.menuFileFailureEnabled && hooks_.menuFileFailureEnabled();
    if (failureEnabled && hooks_.showFailure) hooks_.showFailure(kMenuFileFailureText);
}

}  // namespace velmora
