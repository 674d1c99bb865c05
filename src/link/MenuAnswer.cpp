// The menu answer EX: "EX", the three-digit item number, the item's value field.
#include <string_view>

#include "link/AnswerAnalysis.h"
#include "link/AnswerHandlers.h"
#include "link/MenuValueCodec.h"
#include "link/MessageIds.h"
#include "link/RadioStateStore.h"

namespace velmora {

namespace {

// Items whose value also shows in another display get that display's notification too.
uint32_t followUpNotification(int valueKind) {
    switch (valueKind) {
        case 11:
            return notify::CO;
        case 12:
            return notify::BP;
        case 15:
            return notify::SM;
        default:
            return 0;
    }
}

}  // namespace

bool analyseMenuAnswer(AnswerAnalysis& an, const AnswerText& a) {
    auto& s = an.store();
    MenuTable& menus = s.menus;
    int32_t item = 0;
    if (!a.number(2, 3, item) || item < 1 || item > menus.count()) return false;
    const int width = menus.width(item);
    // The field must lie inside the answer buffer (its last byte stays NUL).
    constexpr int kFieldStart = 5;
    if (width <= 0 || kFieldStart + width > AnswerText::kSize - 1) return false;
    const int kind = menus.valueKind(item);
    const double value = decodeMenuField(kind, std::string_view(a.data() + kFieldStart, width));
    const auto stored = menus.value(item);
    const bool changed = stored && *stored != value && menus.setValue(item, value);
    // Answered even when the value is the one already held (and no notification follows); after
    // the value, so that whoever sees the item answered sees its value too.
    s.windowFlags.menuItemAnswered.store(item, std::memory_order_release);
    if (!changed) return false;
    s.mailbox.postToWindow(notify::EX);
    if (const uint32_t follow = followUpNotification(kind)) s.mailbox.postToWindow(follow);
    return true;
}

}  // namespace velmora
