#include "command/MenuWrite.h"

#include <string>

#include "link/MenuValueCodec.h"
#include "link/RadioStateStore.h"

namespace velmora {

int writeChangedMenuItems(CommandContext& context) {
    MenuTable& menus = context.store().menus;
    int written = 0;
    for (int n = 1; n <= menus.count(); ++n) {
        // Taking the item clears its flag under the table's lock, so a value the editor enters
        // meanwhile is neither lost nor written twice.
        std::optional<MenuItemDef> item = menus.takeChanged(n);
        if (!item) continue;
        item->number = n;  // the command names the item by its place in the table
        const std::string text = menuSetCommand(*item);
        CommandBuffer command;
        command.begin(std::string_view(text).substr(0, 2), static_cast<int>(text.size()));
        command.text(2, std::string_view(text).substr(2, text.size() - 3));
        context.send(command);
        ++written;
        if (!context.pause(kMenuWritePauseMs)) break;
    }
    return written;
}

}  // namespace velmora
