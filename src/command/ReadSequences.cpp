#include "command/ReadSequences.h"

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
    context_.store().windowFlags.initialReadDone.store(false, std::memory_order_relaxed);
    context_.store().windowFlags.readBusy.store(true, std::memory_order_relaxed);
    context_.setTimer(timer::INITIAL_READ, kReadStepMs);
    setIndicators(true);
}

void ReadSequences::initialReadStep() {
    // A tick that was queued before the read was stopped must not ask the radio again, nor start
    // the menu read after the link was switched off.
    if (!initialReadActive_) return;
    if (!sendReadPosition(context_, readPosition_)) return;
    if (++readPosition_ < kReadTableSize) return;
    readPosition_ = 0;
    stopInitialRead();
    context_.store().windowFlags.initialReadDone.store(true, std::memory_order_relaxed);
    startMenuRead();
}

void ReadSequences::startMenuRead() {
    menuItem_ = 1;
    context_.store().windowFlags.menuItemAnswered.store(0, std::memory_order_relaxed);
    if (menuReadActive_) return;
    menuReadActive_ = true;
    context_.store().windowFlags.readBusy.store(true, std::memory_order_relaxed);
    context_.setTimer(timer::MENU_READ, kReadStepMs);
}

void ReadSequences::menuReadStep() {
    if (!menuReadActive_) return;  // a stale tick, as for the initial read
    CommandBuffer command;
    command.begin("EX", kMenuReadCommandLength);
    command.field(2, 3, menuItem_);
    context_.send(command);
    ++menuItem_;
    if (menuItem_ <= context_.store().menus.count()) return;
    menuItem_ = 1;
    stopMenuRead();
    context_.mailbox().postToWindow(notify::READS_DONE);
    context_.mailbox().postToWindow(notify::CO);
    context_.mailbox().postToWindow(notify::BP);
}

void ReadSequences::stopReads() {
    const bool onlyInitialActive = initialReadActive_ && !menuReadActive_;
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
