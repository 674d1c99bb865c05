#include "command/MenuWrite.h"

#include <string>

#include "link/CatStrings.h"
#include "link/MenuValueCodec.h"
#include "link/RadioStateStore.h"

namespace velmora {

namespace {

// Sends item n when its changed flag is set; false when the pause after it was cut short.
bool writeIfChanged(CommandContext& context, MenuTable& menus, int n, int& written) {
    // Taking the item clears its flag under the table's lock, so a value the editor enters
    // meanwhile is neither lost nor written twice.
    std::optional<MenuItemDef> item = menus.takeChanged(n);
    if (!item) return true;
    item->number = n;  // the command names the item by its place in the table
    const std::string text = menuSetCommand(*item);
    CommandBuffer command;
    command.begin(std::string_view(text).substr(0, 2), static_cast<int>(text.size()));
    command.text(2, std::string_view(text).substr(2, text.size() - 3));
    context.send(command);
    ++written;
    return context.pause(kMenuWritePauseMs);
}

}  // namespace

int writeChangedMenuItems(CommandContext& context) {
    MenuTable& menus = context.store().menus;
    int written = 0;
    bool going = true;
    for (int n = 1; going && n <= menus.count(); ++n) {
        if (n != cat::kBaudRateMenuItem) going = writeIfChanged(context, menus, n, written);
    }
    // The radio takes its new rate the moment it reads CAT RATE: whatever came after it at the
    // old rate would be lost.
    if (going) writeIfChanged(context, menus, cat::kBaudRateMenuItem, written);
    context.store().link.menuWritesDone.fetch_add(1, std::memory_order_seq_cst);
    return written;
}

}  // namespace velmora
