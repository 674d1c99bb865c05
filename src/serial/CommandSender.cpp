#include "serial/CommandSender.h"

#include <cstring>

#include "link/CatStrings.h"
#include "link/CommRing.h"
#include "link/RadioStateStore.h"
#include "serial/SerialPort.h"

namespace velmora {

namespace {

// CTS hold alone does not stop a write: the device holds the bytes until CTS comes.
constexpr uint32_t kLineHeld =
    line_status::kDsrHold | line_status::kXoffHold | line_status::kXoffSent | line_status::kEof;

// Any single one of these drops the command; a combination of them does not (the word is
// compared as a whole).
bool isSingleLineError(uint32_t errors) {
    using namespace serial_error;
    switch (errors) {
        case kBreak:
        case kFraming:
        case kOverrun:
        case kMode:
        case kIoError:
        case kRxOverrun:
        case kParity:
        case kTxFull:
            return true;
        default:
            return false;
    }
}

bool startsWith(const std::array<uint8_t, 512>& command, std::string_view text) {
    return std::memcmp(command.data(), text.data(), text.size()) == 0;
}

}  // namespace

CommandSender::CommandSender(RadioStateStore& store, SerialPort& port)
    : store_(store), port_(port) {}

SendOutcome CommandSender::onSendNext() {
    if (!store_.link.commGate.load(std::memory_order_acquire) ||
        store_.link.sendHeld.load(std::memory_order_seq_cst)) {
        ++deferred_;
        return SendOutcome::GateClosed;
    }
    SendOutcome outcome = sendOne();
    for (; deferred_ > 0; --deferred_) outcome = sendOne();
    return outcome;
}

SendOutcome CommandSender::sendOne() {
    store_.link.sendInFlight.store(true, std::memory_order_seq_cst);
    const SendOutcome outcome = takeAndWrite();
    store_.link.sendInFlight.store(false, std::memory_order_seq_cst);
    return outcome;
}

SendOutcome CommandSender::takeAndWrite() {
    // Every WM_SEND_NEXT follows a Put, so there is normally a command; one whose Put was
    // refused (512 bytes or more) has none, and waiting for it would block the thread for good.
    command_.fill(0);
    const uint16_t length = store_.sendRing.tryGet(command_.data());
    if (length == CommRing::kEmpty || length >= CommRing::kSlotSize) {
        return SendOutcome::NothingQueued;
    }

    port_.OpenPort();
    if (!port_.IsPortOpen()) return SendOutcome::PortClosed;

    const SerialStatus status = port_.device().status().value_or(SerialStatus{});
    if (status.outQueue >= SerialPort::kOutQueueLimit ||
        (status.lineFlags & line_status::kLineFault)) {
        port_.ClosePort();
        return SendOutcome::LineFault;
    }
    if (status.lineFlags & kLineHeld) return SendOutcome::LineHeld;
    if (isSingleLineError(status.errors)) return SendOutcome::LineError;

    if (startsWith(command_, cat::kAutoInfoOn)) {
        store_.link.aiOnSent.store(true, std::memory_order_relaxed);
    } else if (startsWith(command_, cat::kAutoInfoOff)) {
        store_.link.aiOnSent.store(false, std::memory_order_relaxed);
    }
    // The device bounds the write itself (500 ms plus 10 ms per byte) and never blocks beyond
    // it; a write that fails is not retried, and a line that has gone shows in the next status.
    port_.device().write(command_.data(), length);
    store_.link.answerPending.store(true, std::memory_order_relaxed);
    return SendOutcome::Sent;
}

}  // namespace velmora
