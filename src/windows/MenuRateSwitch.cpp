#include "windows/MenuRateSwitch.h"

#include "link/MessageIds.h"
#include "link/RadioStateStore.h"
#include "serial/SerialPort.h"

namespace velmora {

MenuRateSwitch::MenuRateSwitch(RadioStateStore& store, SerialPort& port)
    : store_(store), port_(port) {}

uint32_t MenuRateSwitch::writesSoFar() const {
    return store_.link.menuWritesDone.load(std::memory_order_seq_cst);
}

void MenuRateSwitch::start(int32_t baud, uint32_t before, int64_t nowMs) {
    baud_ = baud;
    before_ = before;
    startedMs_ = nowMs;
    drainedInTime_ = false;
    phase_ = Phase::Draining;
}

bool MenuRateSwitch::drained() const {
    // In this order: the command thread has queued all of it, the send thread has taken all of
    // it (the flag goes up before each take), and the device has sent it.
    if (store_.link.menuWritesDone.load(std::memory_order_seq_cst) == before_) return false;
    if (store_.sendRing.unreadCount() != 0) return false;
    if (store_.link.sendInFlight.load(std::memory_order_seq_cst)) return false;
    if (!port_.IsPortOpen()) return true;
    // The send thread is idle now, so reading (and clearing) the error word takes nothing from it.
    const auto status = port_.device().status();
    return !status || status->outQueue == 0;
}

bool MenuRateSwitch::poll(int64_t nowMs) {
    switch (phase_) {
        case Phase::Idle:
            return false;
        case Phase::Draining:
            // Held first, then looked at: nothing can slip out between the look and the switch.
            store_.link.sendHeld.store(true, std::memory_order_seq_cst);
            if (drained()) {
                drainedInTime_ = true;
            } else if (nowMs - startedMs_ < kDrainLimitMs) {
                releaseSends();
                return false;
            }
            drainedMs_ = nowMs;
            phase_ = Phase::Settling;
            return false;
        case Phase::Settling:
            if (nowMs - drainedMs_ < kSettleMs) return false;
            switchPort();
            releaseSends();
            phase_ = Phase::Idle;
            return true;
    }
    return false;
}

void MenuRateSwitch::releaseSends() {
    store_.link.sendHeld.store(false, std::memory_order_seq_cst);
    // Commands that came while sends were held wait in the ring for a wake-up.
    if (store_.sendRing.unreadCount() != 0) {
        store_.mailbox.post(Thread::Anl_Send_Thread, req::SEND_QUEUED);
    }
}

void MenuRateSwitch::switchPort() {
    port_.SetBaudRate(baud_);
    port_.ClosePort();
    port_.OpenPort();
    port_.SaveCommSetting();
}

}  // namespace velmora
