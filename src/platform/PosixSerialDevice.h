#pragma once
// SerialDevice over a POSIX terminal device (a serial port, a USB adapter or a pseudo-terminal).
//
// Line settings: raw mode, the chosen speed, CS8, no parity, CSTOPB, CLOCAL|CREAD, no XON/XOFF,
// VMIN 1 / VTIME 0 with O_NONBLOCK (so "nothing waiting" and "hung up" read differently).
//
// CTS output flow with RTS by hand has no exact termios twin. CRTSCTS would make the kernel
// drive RTS as well, taking it out of the receive side's hands, so CRTSCTS stays off: RTS belongs
// to setRts() alone, and write() checks CTS itself, holding the bytes while CTS is low (up to
// the write time-out). Bytes already handed to the kernel go out whatever CTS does later; a
// command is at most 511 bytes, so the radio sees at most one command past its CTS.
//
// Pseudo-terminals reject the modem-line ioctls and TIOCGICOUNT: that means "nothing to
// report" (no error bits, modem lines unknown, CTS taken as asserted), never a fault. A device
// that goes away (EIO, ENXIO, ENODEV, a read of 0 bytes, POLLHUP/POLLERR) is reported as a lost
// line (line_status::kLineLost | kRlsdHold, IoStatus::LineLost) until close().
#include <termios.h>

#include <atomic>
#include <memory>
#include <mutex>
#include <shared_mutex>

#include "platform/PortLock.h"
#include "serial/SerialDevice.h"

namespace velmora {

class PosixSerialDevice final : public SerialDevice {
  public:
    PosixSerialDevice();
    ~PosixSerialDevice() override;

    PosixSerialDevice(const PosixSerialDevice&) = delete;
    PosixSerialDevice& operator=(const PosixSerialDevice&) = delete;

    bool open(const std::string& path, const SerialSettings& settings) override;
    bool close() override;
    bool openDenied() const override { return denied_.load(std::memory_order_acquire); }
    std::string openFailureCause() const override;
    bool isOpen() const override { return open_.load(std::memory_order_acquire); }

    IoResult read(uint8_t* buf, size_t max) override;
    IoResult write(const uint8_t* data, size_t n) override;
    std::optional<SerialStatus> status() override;
    // Without the queue counts and the hang-up poll: a read reports a device that has gone, and
    // so does the receive thread's wait.
    std::optional<SerialStatus> receiveStatus() override;
    void setRts(bool on) override;

    WaitResult waitReadable(int timeoutMs) override;
    void wake() override;

  private:
    // A duplicate of the open descriptor for waitReadable(), made at open. The wait holds a
    // copy of the pointer while it polls, so the last of close() and the wait to let go of it
    // closes the duplicate: close() never waits for a wait, and a wait costs no dup of its own.
    struct WaitDescriptor {
        explicit WaitDescriptor(int descriptor) : fd(descriptor) {}
        ~WaitDescriptor();
        WaitDescriptor(const WaitDescriptor&) = delete;
        WaitDescriptor& operator=(const WaitDescriptor&) = delete;
        const int fd;
    };

    struct Counters {
        long frame = 0, overrun = 0, parity = 0, brk = 0, bufOverrun = 0;
    };

    bool configure(int fd, const SerialSettings& settings);
    // Closes fd (when open), keeps cause for openFailureCause(), and returns false.
    bool openFailed(int fd, std::string cause);
    void setOpenFailureCause(std::string cause);
    bool readCounters(int fd, Counters& out) const;
    uint32_t takeCounterErrors(int fd);
    // CTS as the device reports it; true when it cannot tell.
    bool ctsAsserted(int fd) const;
    bool modemLines(int fd, uint32_t& out) const;
    bool pollHungUp(int fd) const;
    void markLost() { lost_.store(true, std::memory_order_release); }
    IoResult writeLocked(const uint8_t* data, size_t n);
    void drainWake();

    // Guards fd_, waitFd_ and saved_: open() and close() hold it exclusively, every other operation
    // on the descriptor holds it shared (waitReadable only while it copies waitFd_), so the
    // descriptor is never closed under a running call.
    mutable std::shared_mutex deviceMutex_;
    int fd_ = -1;
    std::shared_ptr<const WaitDescriptor> waitFd_;  // null while closed or when dup failed
    std::atomic<uint32_t> generation_{0};           // counts opens; changed only under the lock
    termios saved_{};                               // the settings found at open, put back at close

    std::atomic<bool> open_{false};
    std::atomic<int> closers_{0};  // close() calls waiting for the shared holders to leave
    std::atomic<bool> lost_{false};
    std::atomic<bool> denied_{false};         // the last open failed with EACCES or EPERM
    std::atomic<uint32_t> pendingErrors_{0};  // error bits seen by reads and writes
    // The RTS level last asked for on this open (1, 0; -1 none yet). The receive side asks on
    // every tick; only a change reaches the device.
    std::atomic<int> rtsLevel_{-1};
    // Cleared when the device turns out not to know the request, so it is not asked again.
    mutable std::atomic<bool> countersSupported_{true};
    mutable std::atomic<bool> modemLinesSupported_{true};

    PortLock portLock_;              // taken and given back with fd_, under deviceMutex_
    mutable std::mutex causeMutex_;  // guards cause_
    std::string cause_;              // why the last open failed; empty after a good one

    std::mutex countersMutex_;  // guards lastCounters_ between the threads that ask for status
    Counters lastCounters_;

    const int wakeFd_;  // eventfd: wake() and open() make it readable, waitReadable() drains it
};

}  // namespace velmora
