#pragma once
// The serial line to the radio as the port logic and the receive and send threads see it. The
// values follow the system's serial services: the error word keeps their bit values, the line
// status keeps their hold flags, so the port logic can compare them exactly as it always has.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace velmora {

// Bits of the error word; status() returns those seen since its previous call.
namespace serial_error {
inline constexpr uint32_t kRxOverrun = 0x0001;  // receive queue overflowed
inline constexpr uint32_t kOverrun = 0x0002;    // hardware overrun: a character was lost
inline constexpr uint32_t kParity = 0x0004;
inline constexpr uint32_t kFraming = 0x0008;
inline constexpr uint32_t kBreak = 0x0010;
inline constexpr uint32_t kTxFull = 0x0100;   // a write found the output queue full
inline constexpr uint32_t kIoError = 0x0400;  // the device failed a read or write
inline constexpr uint32_t kMode = 1u << 15;   // the request is not supported in this mode
}  // namespace serial_error

// Bits of the line status.
namespace line_status {
inline constexpr uint32_t kCtsHold = 0x0001;   // output waits for CTS
inline constexpr uint32_t kDsrHold = 0x0002;   // output waits for DSR (DSR flow is never on)
inline constexpr uint32_t kRlsdHold = 0x0004;  // output waits for the carrier: a line fault
inline constexpr uint32_t kXoffHold = 0x0008;  // XON/XOFF is never on: never set
inline constexpr uint32_t kXoffSent = 0x0010;
inline constexpr uint32_t kEof = 0x0020;   // end-of-file character received: never set
inline constexpr uint32_t kTxim = 0x0040;  // immediate character waiting: never set
// The device has gone (unplugged, other end of a pseudo-terminal closed). Always reported
// together with kRlsdHold, so that the port logic treats it as the lost carrier it stands for
// and closes the port; the next command reopens it.
inline constexpr uint32_t kLineLost = 0x0100;
// The flags that stop a write and the rotator read: the carrier lost or a character stuck.
inline constexpr uint32_t kLineFault = kRlsdHold | kTxim;
}  // namespace line_status

// Modem input lines, when the device can report them (pseudo-terminals cannot).
namespace modem_line {
inline constexpr uint32_t kCts = 0x0010;
inline constexpr uint32_t kDsr = 0x0020;
inline constexpr uint32_t kRing = 0x0040;
inline constexpr uint32_t kRlsd = 0x0080;  // carrier detect (DCD)
}  // namespace modem_line

// The line is always 8 data bits, no parity, 2 stop bits, CTS output flow, RTS by hand; only
// the speed is chosen.
struct SerialSettings {
    int baud = 4800;  // 4800, 9600, 19200 or 38400
};

inline bool isSupportedBaudRate(int baud) {
    return baud == 4800 || baud == 9600 || baud == 19200 || baud == 38400;
}

struct SerialStatus {
    uint32_t errors = 0;      // serial_error bits since the previous status()
    uint32_t lineFlags = 0;   // line_status bits
    uint32_t inQueue = 0;     // bytes received and waiting to be read
    uint32_t outQueue = 0;    // bytes written and not yet sent
    uint32_t modemLines = 0;  // modem_line bits, meaningful when modemLinesKnown
    bool modemLinesKnown = false;
};

enum class IoStatus {
    Ok,  // count bytes moved (possibly 0 for a read with nothing waiting)
    NotOpen,
    LineLost,  // the device has gone: close the port
    TimedOut,  // a write did not finish within its time-out; count bytes went
    Error,     // the device refused the operation; kIoError is in the next error word
};

struct IoResult {
    size_t count = 0;
    IoStatus status = IoStatus::Ok;
};

enum class WaitResult {
    Readable,  // bytes wait (or the device reports its end: read to find out)
    TimedOut,
    Woken,  // wake() was called, or the device was opened meanwhile
    LineLost,
};

// One open device at a time. Every member may be called from any thread; close() waits for
// reads, writes and waits running on other threads to leave.
class SerialDevice {
  public:
    virtual ~SerialDevice() = default;

    // Opens the device at path with the line settings above and RTS low (the receive side
    // raises it when it is ready for bytes). False if already open, the speed is not one of the
    // four, or the device cannot be opened or configured.
    virtual bool open(const std::string& path, const SerialSettings& settings) = 0;
    // Whether the last failed open was refused for want of permission (the user is not in the
    // group that owns the device).
    virtual bool openDenied() const { return false; }
    // Why the last open failed ("there is no such device", "in use by another program (PID
    // 4711)"); empty when unknown or after a good open.
    virtual std::string openFailureCause() const { return {}; }
    // Unsent output is discarded, so that closing never waits on a stalled line. False if the
    // device was not open.
    virtual bool close() = 0;
    virtual bool isOpen() const = 0;

    // What waits, up to max bytes; never blocks.
    virtual IoResult read(uint8_t* buf, size_t max) = 0;
    // All n bytes, waiting while CTS is low or the output queue is full, for at most the write
    // time-out of the line (500 ms plus 10 ms per byte).
    virtual IoResult write(const uint8_t* data, size_t n) = 0;
    // Clears and reads the error word and reads the line status and queue counts; nothing while
    // the device is closed.
    virtual std::optional<SerialStatus> status() = 0;
    // The part of status() the receive side needs on each tick: the error word and the line
    // flags. The queue counts may be left at 0 (a read finds what waits), so devices that must
    // ask the system for each count answer with fewer calls.
    virtual std::optional<SerialStatus> receiveStatus() { return status(); }
    virtual void setRts(bool on) = 0;

    // Blocks until bytes are readable, the time-out passes or wake() is called; a wake() while
    // nobody waits is kept for the next wait. While closed it waits only for a wake.
    virtual WaitResult waitReadable(int timeoutMs) = 0;
    virtual void wake() = 0;
};

}  // namespace velmora
