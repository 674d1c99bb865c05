#pragma once
// What the send thread does for each WM_SEND_NEXT, callable without the thread: take the oldest
// command from SendRing, make sure the port is open, check the line and write the command.
//
// Used on the send thread only.
#include <array>
#include <cstdint>

namespace velmora {

class RadioStateStore;
class SerialPort;

enum class SendOutcome {
    Sent,        // written (or at least handed to the device; a failed write is not retried)
    GateClosed,  // the menu definitions are not installed yet, or the port is changing its
                 // speed: the command waits in SendRing
    NothingQueued,
    PortClosed,  // the port cannot be opened: the command is dropped
    LineFault,   // stuck output, lost carrier or a waiting character: port closed, dropped
    LineHeld,    // DSR/XOFF hold, XOFF sent or end of file received: dropped, port stays open
    LineError,   // exactly one error bit in the error word: dropped
};

class CommandSender {
  public:
    CommandSender(RadioStateStore& store, SerialPort& port);

    // One command per WM_SEND_NEXT. Requests that found the gate closed leave their command in
    // the ring; they are made up for at the first request after the gate opens, so the line
    // does not lag one command behind its producers for good. Returns the last outcome.
    SendOutcome onSendNext();

  private:
    SendOutcome sendOne();
    SendOutcome takeAndWrite();

    RadioStateStore& store_;
    SerialPort& port_;
    std::array<uint8_t, 512> command_{};
    int deferred_ = 0;  // requests that came while the gate was closed (this thread only)
};

}  // namespace velmora
