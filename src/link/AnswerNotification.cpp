#include "link/AnswerNotification.h"

#include "link/CatCommandTable.h"
#include "link/MessageIds.h"
#include "link/ThreadMailbox.h"

namespace velmora {

void PostAnswerNotification(const ThreadMailbox& mailbox, int answerIndex, intptr_t lParam) {
    if (answerIndex == -1) {
        mailbox.postToWindow(notify::EX);
        return;
    }
    if (answerIndex < 0 || answerIndex >= kAnswerTableSize) return;
    const auto id = static_cast<uint32_t>(kCatTables.answer[answerIndex].second);
    mailbox.postToWindow(id, 0, answerIndex == answer::RF ? lParam : 0);
}

}  // namespace velmora
