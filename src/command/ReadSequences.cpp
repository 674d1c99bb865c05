#include "command/ReadSequences.h"

#include <algorithm>

#include "command/InitialReadQueries.h"
#include "link/MessageIds.h"
#include "link/RadioStateStore.h"

namespace velmora {

namespace {
constexpr int kMenuReadCommandLength = 6;  // EX001;
}

void ReadSequences::startInitialRead() {
    if (initialReadActive_) {
        readPosition_ = 0;
        return;
    }
    initialReadActive_ = true;
    readPosition_ = 0;
    beginLedger();
    context_.store().windowFlags.initialReadDone.store(false, std::memory_order_relaxed);
    context_.store().windowFlags.readBusy.store(true, std::memory_order_relaxed);
    context_.setTimer(timer::INITIAL_READ, kReadStepMs);
    setIndicators(true);
}

void ReadSequences::initialReadStep() {
    // A tick that was queued before the read was stopped must not ask the radio again, nor start
    // the menu read after the link was switched off.
    if (!initialReadActive_ || restartedAfterLineLoss()) return;
    context_.noteQueries(true);
    const bool sent = sendReadPosition(context_, readPosition_);
    context_.noteQueries(false);
    if (!sent) return;
    if (++readPosition_ < kReadTableSize) return;
    readPosition_ = 0;
    stopInitialRead();
    context_.store().windowFlags.initialReadDone.store(true, std::memory_order_relaxed);
    beginMenuRead();  // the initial read's queries stay in the ledger
}

void ReadSequences::startMenuRead() {
    if (!menuReadActive_) beginLedger();
    beginMenuRead();
}

void ReadSequences::beginMenuRead() {
    menuItem_ = 1;
    reaskRound_ = -1;
    context_.store().windowFlags.menuItemAnswered.store(0, std::memory_order_relaxed);
    if (menuReadActive_) return;
    menuReadActive_ = true;
    context_.store().windowFlags.readBusy.store(true, std::memory_order_relaxed);
    context_.setTimer(timer::MENU_READ, kReadStepMs);
}

void ReadSequences::menuReadStep() {
    if (!menuReadActive_ || restartedAfterLineLoss()) return;  // a stale tick, as above
    if (reasking()) {
        reaskStep();
        return;
    }
    CommandBuffer command;
    command.begin("EX", kMenuReadCommandLength);
    command.field(2, 3, menuItem_);
    context_.noteQueries(true);
    context_.send(command);
    context_.noteQueries(false);
    ++menuItem_;
    if (menuItem_ <= context_.store().menus.count()) return;
    menuItem_ = 1;
    reaskRound_ = 0;
    reaskWait_ = 0;
    reaskQueue_.clear();
}

void ReadSequences::reaskStep() {
    ReadLedger& ledger = context_.store().readLedger;
    if (ledger.complete()) {
        finishMenuRead();
        return;
    }
    if (reaskQueue_.empty()) {
        if (++reaskWait_ < kReaskSettleTicks) return;
        if (reaskRound_ == kReaskRounds) {
            finishMenuRead();
            return;
        }
        ++reaskRound_;
        reaskWait_ = 0;
        reaskQueue_ = ledger.missing();
        std::reverse(reaskQueue_.begin(), reaskQueue_.end());  // asked from the back
    }
    const std::string query = std::move(reaskQueue_.back());
    reaskQueue_.pop_back();
    CommandBuffer command;
    command.begin(query.substr(0, 2), static_cast<int>(query.size()) + 1);
    command.text(2, std::string_view(query).substr(2));
    context_.send(command);
}

void ReadSequences::finishMenuRead() {
    const size_t missing = context_.store().readLedger.missing().size();
    reaskRound_ = -1;
    reaskQueue_.clear();
    stopMenuRead();
    if (missing > 0) {
        context_.mailbox().postToWindow(msg::WM_READ_INCOMPLETE, 0, static_cast<intptr_t>(missing));
        return;
    }
    context_.mailbox().postToWindow(notify::READS_DONE);
    context_.mailbox().postToWindow(notify::CO);
    context_.mailbox().postToWindow(notify::BP);
}

bool ReadSequences::restartedAfterLineLoss() {
    if (context_.store().port.opens.load(std::memory_order_relaxed) == opensAtStart_) return false;
    stopReads();
    context_.mailbox().post(Thread::Anl_Send_Thread, req::IDENTIFY);
    return true;
}

void ReadSequences::beginLedger() {
    context_.store().readLedger.clear();
    opensAtStart_ = context_.store().port.opens.load(std::memory_order_relaxed);
}

void ReadSequences::stopReads() {
    const bool onlyInitialActive = initialReadActive_ && !menuReadActive_;
    reaskRound_ = -1;
    reaskQueue_.clear();
    context_.store().readLedger.clear();
    stopInitialRead();
    stopMenuRead();
    // A wait window must not keep waiting for a menu read that will now never come.
    if (onlyInitialActive) endReadBusy();
}

void ReadSequences::stopInitialRead() {
    if (!initialReadActive_) return;
    initialReadActive_ = false;
    context_.killTimer(timer::INITIAL_READ);
    setIndicators(false);
}

void ReadSequences::stopMenuRead() {
    if (!menuReadActive_) return;
    menuReadActive_ = false;
    context_.killTimer(timer::MENU_READ);
    endReadBusy();
}

void ReadSequences::endReadBusy() {
    if (context_.store().windowFlags.endRead()) {
        // The wait window closes a moment after the read ends, not in the same instant.
        context_.pause(kWaitWindowCloseMs);
        context_.mailbox().postToWindow(msg::WM_WAIT_WINDOW_CLOSE);
    }
}

void ReadSequences::setIndicators(bool on) {
    for (auto& indicator : context_.store().windowFlags.initialReadIndicators) {
        indicator.store(on, std::memory_order_relaxed);
    }
}

}  // namespace velmora
