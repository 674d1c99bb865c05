#include "link/AnswerReceiver.h"

#include <string_view>

#include "link/MessageIds.h"
#include "link/RadioStateStore.h"

namespace velmora {

AnswerAnalysis::Result AnswerReceiver::onAnswerQueued() {
    disarmWatchdog();
    const AnswerAnalysis::Result result = analyseOne();
    armWatchdog();
    return result;
}

void AnswerReceiver::onAnswersQueued(size_t count) {
    disarmWatchdog();
    for (size_t i = 0; i < count; ++i) analyseOne();
    armWatchdog();
}

void AnswerReceiver::disarmWatchdog() {
    if (WindowHost* window = store_.mainWindow.load(std::memory_order_acquire)) {
        window->killTimer(timer::ANSWER_WATCHDOG);
    }
    store_.link.watchdogArmed.store(false, std::memory_order_relaxed);
}

void AnswerReceiver::armWatchdog() {
    if (WindowHost* window = store_.mainWindow.load(std::memory_order_acquire)) {
        window->setTimer(timer::ANSWER_WATCHDOG, kWatchdogMs);
    }
    store_.link.watchdogArmed.store(true, std::memory_order_relaxed);
}

AnswerAnalysis::Result AnswerReceiver::analyseOne() {
    buffer_.fill(0);
    const uint16_t length = store_.recvRing.tryGet(buffer_.data());
    AnswerAnalysis::Result result;
    if (length < CommRing::kSlotSize) {
        const std::string_view answer(reinterpret_cast<const char*>(buffer_.data()), length);
        result = analysis_.handle(answer);
        // Struck off only after the analysis, so a read that completes has every value in the
        // store. A value the store refuses (out of its range) was answered all the same: asking
        // again would bring the same.
        if (result.index != AnswerAnalysis::kNoRecord) store_.readLedger.answered(answer);
    }
    return result;
}

}  // namespace velmora
