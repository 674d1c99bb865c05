#include "link/AnswerReceiver.h"

#include <string_view>

#include "link/MessageIds.h"
#include "link/RadioStateStore.h"

namespace velmora {

AnswerAnalysis::Result AnswerReceiver::onAnswerQueued() {
    buffer_.fill(0);
    const uint16_t length = store_.recvRing.tryGet(buffer_.data());
    WindowHost* window = store_.mainWindow.load(std::memory_order_acquire);
    if (window) window->killTimer(timer::ANSWER_WATCHDOG);
    store_.link.watchdogArmed.store(false, std::memory_order_relaxed);

    AnswerAnalysis::Result result;
    if (length < CommRing::kSlotSize) {
        const std::string_view answer(reinterpret_cast<const char*>(buffer_.data()), length);
        result = analysis_.handle(answer);
        // Struck off only after the analysis, so a read that completes has every value in the
        // store. A value the store refuses (out of its range) was answered all the same: asking
        // again would bring the same.
        if (result.index != AnswerAnalysis::kNoRecord) store_.readLedger.answered(answer);
    }

    if (window) window->setTimer(timer::ANSWER_WATCHDOG, kWatchdogMs);
    store_.link.watchdogArmed.store(true, std::memory_order_relaxed);
    return result;
}

}  // namespace velmora
