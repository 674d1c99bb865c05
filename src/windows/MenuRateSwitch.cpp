#include "windows/MenuRateSwitch.h"

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
            if (drained()) {
                drainedInTime_ = true;
            } else if (nowMs - startedMs_ < kDrainLimitMs) {
                return false;
            }
            drainedMs_ = nowMs;
            phase_ = Phase::Settling;
            return false;
        case Phase::Settling:
            if (nowMs - drainedMs_ < kSettleMs) return false;
            switchPort();
            phase_ = Phase::Idle;
            return true;
    }
    return false;
}

void MenuRateSwitch::switchPort() {
    port_.SetBaudRate(baud_);
    port_.ClosePort();
    port_.OpenPort();
    port_.SaveCommSetting();
}

}  // namespace velmora
