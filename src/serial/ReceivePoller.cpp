#include "serial/ReceivePoller.h"

#include <algorithm>
#include <utility>

#include "link/AnswerAnalysis.h"
#include "link/AnswerLength.h"
#include "link/CatStrings.h"
#include "link/MessageIds.h"
#include "link/RadioStateStore.h"
#include "serial/SerialPort.h"

namespace velmora {

ReceivePoller::ReceivePoller(RadioStateStore& store, SerialPort& port)
    : store_(store), port_(port) {}

ReceiveTick ReceivePoller::poll() {
    ReceiveTick tick;
    // The answers left from the last read are cut without asking the device again: the system
    // calls of a status and a read would cost more than the cutting.
    const bool fromBuffer = moreBuffered();
    lastTickCut_ = false;
    if (!store_.link.commGate.load(std::memory_order_acquire)) return tick;
    ++ticks_;

    // A closed port reports nothing: no errors, no line state, nothing waiting.
    const SerialStatus status =
        fromBuffer ? SerialStatus{} : port_.device().receiveStatus().value_or(SerialStatus{});
    const size_t fillBefore = buffer_.fill();
    driveRts(status.errors, fillBefore);

    if (status.lineFlags & line_status::kRlsdHold) {
        inProgress_ = false;
        port_.ClosePort();
    }
    if (status.lineFlags & line_status::kTxim) port_.ClosePort();

    size_t got = 0;
    if (!fromBuffer && port_.IsPortOpen()) {
        // More than the free room stays in the driver until the buffer drains; RTS keeps that
        // rare. A read with nothing waiting costs no more than asking how much waits.
        got = port_.device().read(buffer_.tail(), buffer_.freeSpace()).count;
    }
    if (fillBefore == 0 && got == 0) return tick;
    buffer_.commit(got);
    tick.changed = got > 0;

    if (status.errors == serial_error::kFraming || status.errors == serial_error::kBreak) {
        tick.changed |= buffer_.skipLineNoise() > 0;
    }
    if (!inProgress_) {
        const size_t before = buffer_.fill();
        const bool recognised = recognise();
        tick.changed |= buffer_.fill() != before;
        if (!recognised) return tick;
    }
    const size_t semi = firstTerminator();
    const auto length = static_cast<size_t>(expectedLength_);
    if (semi < buffer_.fill() && semi + 1 < length) {
        // Cut short by a ";": no answer, unless one starts behind a noise letter at the front.
        if (!skipToKnownCode(semi + 1)) buffer_.skipThroughTerminator();
    } else if (buffer_.fill() < length) {
        return tick;
    } else if (semi + 1 == length) {
        handOn();
        tick.handedOn = true;
    } else if (!skipToKnownCode(length)) {
        buffer_.skipThroughTerminator();
    }
    tick.changed = true;
    inProgress_ = false;
    lastTickCut_ = true;
    return tick;
}

void ReceivePoller::driveRts(uint32_t errors, size_t fillBefore) {
    bool raise = false, lower = false;
    if (fillBefore <= kRtsRaiseAt && errors != serial_error::kRxOverrun) raise = true;
    if (errors == serial_error::kRxOverrun) lower = true;
    if (fillBefore >= kRtsLowerAt) lower = true;
    if (raise) {
        port_.device().setRts(true);
        rtsLow_ = false;
    }
    if (lower) {
        port_.device().setRts(false);
        rtsLow_ = true;
    }
}

bool ReceivePoller::recognise() {
    expectedLength_ = 0;
    // Noise is skipped a byte that cannot belong to an answer at a time, all in this tick: on a
    // noisy line it comes between every two answers, and the answer behind it must not wait.
    for (;;) {
        if (takeRefusal()) continue;
        // A refusal's "?" waits for its ";" (the line may part them).
        if (buffer_.fill() == 1 && buffer_[0] == cat::kErrorReply) return false;
        const AnswerLength found =
            determineAnswerLength(buffer_.data(), buffer_.fill(), store_.menus);
        // A noise letter glued to the front of an answer makes a code nobody knows ("Q" before
        // "FA..." reads as QF): the answer behind it is looked for first.
        if (found.recognised && !isKnownCode(0) &&
            skipToKnownCode(static_cast<size_t>(found.length)))
            continue;
        // An answer longer than the buffer could never complete; none of the tables makes one.
        if (found.recognised && static_cast<size_t>(found.length) <= AssemblyBuffer::kSize) {
            expectedCode_ = {static_cast<char>(buffer_[0]), static_cast<char>(buffer_[1]), '\0'};
            expectedLength_ = found.length;
            inProgress_ = true;
            return true;
        }
        inProgress_ = false;
        if (buffer_.skipUnrecognisedFront() == 0) break;
    }
    // Printable bytes that form no answer (an EX answer for an item beyond the defined count, a
    // code with letters in its digits) would block the front for good: the answer is over at
    // its ";", so drop through it. Without a ";" more bytes may still make an answer - unless
    // the buffer has grown past the RTS limit, when nothing more comes and nothing here can end
    // as an answer: then it is all noise.
    if (buffer_.holdsTerminator() || buffer_.fill() >= kRtsLowerAt) {
        buffer_.skipThroughTerminator();
    }
    return false;
}

bool ReceivePoller::takeRefusal() {
    if (buffer_.fill() < 2 || buffer_[0] != cat::kErrorReply || buffer_[1] != cat::kTerminator)
        return false;
    buffer_.drop(2);
    store_.link.refusalsSeen.fetch_add(1, std::memory_order_relaxed);
    return true;
}

size_t ReceivePoller::firstTerminator() const {
    for (size_t i = 0; i < buffer_.fill(); ++i)
        if (buffer_[i] == ';') return i;
    return buffer_.fill();
}

bool ReceivePoller::isKnownCode(size_t pos) const {
    const char first = static_cast<char>(buffer_[pos]),
               second = static_cast<char>(buffer_[pos + 1]);
    return (first == 'E' && second == 'X') || answerIndexOf(first, second) >= 0;
}

bool ReceivePoller::skipToKnownCode(size_t length) {
    for (size_t pos = 1; pos + 1 < length && pos + 1 < buffer_.fill(); ++pos) {
        if (!isKnownCode(pos)) continue;
        buffer_.drop(pos);
        return true;
    }
    return false;
}

void ReceivePoller::handOn() {
    store_.link.answerPending.store(false, std::memory_order_relaxed);
    const size_t length = static_cast<size_t>(expectedLength_) - 1;
    const bool queued = store_.recvRing.Put(length, buffer_.data()) == length;
    buffer_.drop(static_cast<size_t>(expectedLength_));
    if (!queued) return;
    ++gathered_;
    if (!gathering_) postGathered();
}

void ReceivePoller::postGathered() {
    if (gathered_ == 0) return;
    const auto count = static_cast<uintptr_t>(std::exchange(gathered_, 0));
    store_.mailbox.post(Thread::Anl_Recv_Thread, msg::WM_ANSWER_QUEUED, count > 1 ? count : 0);
}

}  // namespace velmora
