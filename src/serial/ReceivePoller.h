#pragma once
// What the receive thread does on each tick, callable without the thread: read what the port
// holds into the assembly buffer, drive RTS, close the port on a line fault, skip line noise,
// cut the front of the buffer into an answer by the length rule and hand at most one complete
// answer (without its ";") to the analysis through RecvRing and WM_ANSWER_QUEUED. A tick that
// follows one that handed on or dropped bytes, with bytes still buffered, leaves the device
// alone: it only cuts what the last read brought, so a line fault shows one tick later.
//
// Used on the receive thread only.
#include <array>
#include <cstddef>
#include <cstdint>

#include "serial/AssemblyBuffer.h"

namespace velmora {

class RadioStateStore;
class SerialPort;

struct ReceiveTick {
    bool handedOn = false;  // one answer went to RecvRing
    bool changed = false;   // bytes were read or dropped
};

class ReceivePoller {
  public:
    // RTS goes up while at most this many bytes wait here, and down from kRtsLowerAt on: the
    // radio holds its output while the analysis catches up.
    static constexpr size_t kRtsRaiseAt = 128;
    static constexpr size_t kRtsLowerAt = 256;

    ReceivePoller(RadioStateStore& store, SerialPort& port);

    // One tick. Does nothing while the communication gate is closed.
    ReceiveTick poll();

    // While gathering, an answer handed on is put in RecvRing at once but its WM_ANSWER_QUEUED
    // waits for postGathered(), which posts one for all of them (wParam: their count when more
    // than one). The receive thread gathers the answers of one read, so that the analysis
    // thread wakes once for them, not once each.
    void setGathering(bool on) { gathering_ = on; }
    void postGathered();

    // True when a tick at once can do more: the last tick handed on or dropped an answer and
    // bytes are still here (another answer may be complete behind it). A tick that stopped
    // short of an answer needs new bytes. Each such tick shrinks the buffer, so ticking while
    // this holds ends.
    bool moreBuffered() const { return lastTickCut_ && buffer_.fill() > 0; }
    // True when a tick soon can do more without new bytes arriving: moreBuffered(), or RTS is
    // held low and must come up again once the buffer has drained. Otherwise only new bytes (or
    // a line fault) can change anything, and the thread may block on the device.
    bool wantsTick() const { return moreBuffered() || rtsLow_; }

    const AssemblyBuffer& buffer() const { return buffer_; }
    size_t fill() const { return buffer_.fill(); }
    bool inProgress() const { return inProgress_; }
    int expectedLength() const { return expectedLength_; }
    const char* expectedCode() const { return expectedCode_.data(); }
    uint64_t ticks() const { return ticks_; }

  private:
    void driveRts(uint32_t errors, size_t fillBefore);
    // Recognises the answer at the front or skips what cannot be one; true when an answer is in
    // progress afterwards.
    bool recognise();
    // Whether the two bytes from pos are a code of the answer table or EX.
    bool isKnownCode(size_t pos) const;
    // A known code starts within the front's first length bytes, after its first byte: drops
    // the bytes before it.
    bool skipToKnownCode(size_t length);
    // The radio's refusal ("?;") at the front: counted for whoever waits on a set, and dropped.
    bool takeRefusal();
    // The position of the first ";", or fill() when there is none.
    size_t firstTerminator() const;
    void handOn();

    RadioStateStore& store_;
    SerialPort& port_;
    AssemblyBuffer buffer_;
    std::array<char, 3> expectedCode_{};
    int expectedLength_ = 0;
    bool inProgress_ = false;
    bool rtsLow_ = false;
    bool lastTickCut_ = false;
    uint64_t ticks_ = 0;
    bool gathering_ = false;
    int gathered_ = 0;  // answers in RecvRing whose WM_ANSWER_QUEUED is not posted yet
};

}  // namespace velmora
