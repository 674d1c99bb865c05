#include "windows/CommandSendText.h"

#include "link/MessageIds.h"
#include "link/RadioStateStore.h"

namespace velmora {

CommandSendOutcome CommandSendText::check(std::string_view text) {
    if (text.empty()) return CommandSendOutcome::Empty;
    if (text.size() > kMaxBytes) return CommandSendOutcome::TooLong;
    for (const char c : text) {
        if (c < 0x20 || c > 0x7E) return CommandSendOutcome::NotPrintable;
    }
    return CommandSendOutcome::Sent;
}

CommandSendOutcome CommandSendText::send(RadioStateStore& store, std::string_view text) {
    const CommandSendOutcome outcome = check(text);
    if (outcome != CommandSendOutcome::Sent) return outcome;
    if (store.sendRing.Put(text.size(), text.data()) == 0) return CommandSendOutcome::QueueFull;
    store.mailbox.post(Thread::Anl_Send_Thread, req::SEND_QUEUED);
    return CommandSendOutcome::Sent;
}

bool CommandSendText::closes(CommandSendOutcome outcome) {
    return outcome == CommandSendOutcome::Sent || outcome == CommandSendOutcome::Empty;
}

std::string_view CommandSendText::refusalText(CommandSendOutcome outcome) {
    switch (outcome) {
        case CommandSendOutcome::TooLong:
            return "The command is longer than 500 characters.";
        case CommandSendOutcome::NotPrintable:
            return "Only printable ASCII characters can be sent.";
        case CommandSendOutcome::QueueFull:
            return "The send queue is full: the command was not sent. Try again.";
        default:
            return {};
    }
}

}  // namespace velmora
