#pragma once
// Tells the main window that an answer changed the store: posts the answer's notification id.
#include <cstdint>

namespace velmora {

class ThreadMailbox;

// answerIndex: position in the answer table, or -1 for the menu answer EX (notify::EX). wParam and
// lParam are 0, except for RF (16), which passes lParam (the selector plus 1). Other indices
// post nothing.
void PostAnswerNotification(const ThreadMailbox& mailbox, int answerIndex, intptr_t lParam = 0);

}  // namespace velmora
