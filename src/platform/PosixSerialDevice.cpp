#include "platform/PosixSerialDevice.h"

#include <fcntl.h>
#include <linux/serial.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <thread>

namespace velmora {

namespace {

using Clock = std::chrono::steady_clock;

// While a write is held back it looks again this often for CTS, room, or a close.
constexpr int kWriteSliceMs = 5;

speed_t speedFor(int baud) {
    switch (baud) {
        case 4800:
            return B4800;
        case 9600:
            return B9600;
        case 19200:
            return B19200;
        case 38400:
            return B38400;
        default:
            return B0;
    }
}

// The device itself has gone, as opposed to refusing one request.
bool isGoneError(int err) {
    return err == EIO || err == ENXIO || err == ENODEV || err == EBADF;
}
// The request is one this kind of device does not know (pseudo-terminals, some adapters).
bool isUnsupported(int err) {
    return err == ENOTTY || err == EINVAL || err == ENOSYS;
}

// Why open() failed, in the operator's words.
std::string openErrorCause(int err) {
    switch (err) {
        case ENOENT:
            return "there is no such device";
        case EISDIR:
            return "it is a folder, not a device";
        case ENOTTY:
        case EINVAL:
            return "it is not a serial device";
        case EBUSY:
            return inUseCause(0);
        case ENXIO:
        case ENODEV:
            return "the device is not connected";
        default:
            return std::strerror(err);
    }
}

int remainingMs(Clock::time_point deadline) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return left > 0 ? static_cast<int>(left) : 0;
}

}  // namespace

PosixSerialDevice::PosixSerialDevice() : wakeFd_(::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC)) {}

PosixSerialDevice::~PosixSerialDevice() {
    close();
    if (wakeFd_ >= 0) ::close(wakeFd_);
}

bool PosixSerialDevice::open(const std::string& path, const SerialSettings& settings) {
    if (!isSupportedBaudRate(settings.baud)) return openFailed(-1, "unsupported speed");
    std::unique_lock lock(deviceMutex_);
    if (fd_ >= 0) return openFailed(-1, "it is open already");
    const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    denied_.store(fd < 0 && (errno == EACCES || errno == EPERM), std::memory_order_release);
    if (fd < 0) return openFailed(-1, openErrorCause(errno));
    std::string busy;
    if (!portLock_.acquire(fd, path, busy)) return openFailed(fd, busy);
    if (::tcgetattr(fd, &saved_) != 0) return openFailed(fd, openErrorCause(errno));
    // No sharing, like the system's port handles: a second opener gets EBUSY (root excepted,
    // whom the lock above keeps off).
    ::ioctl(fd, TIOCEXCL);
    if (!configure(fd, settings)) return openFailed(fd, "its line settings cannot be set");
    setOpenFailureCause({});
    fd_ = fd;
    if (const int dup = ::fcntl(fd, F_DUPFD_CLOEXEC, 0); dup >= 0) {
        waitFd_ = std::make_shared<const WaitDescriptor>(dup);
    }
    generation_.fetch_add(1, std::memory_order_relaxed);
    lost_.store(false, std::memory_order_release);
    pendingErrors_.store(0, std::memory_order_relaxed);
    countersSupported_.store(true, std::memory_order_relaxed);
    modemLinesSupported_.store(true, std::memory_order_relaxed);
    {
        std::lock_guard counters(countersMutex_);
        if (!readCounters(fd, lastCounters_)) lastCounters_ = {};
    }
    // RTS starts low; the receive side raises it once it is ready for bytes.
    const int rts = TIOCM_RTS;
    ::ioctl(fd, TIOCMBIC, &rts);
    rtsLevel_.store(0, std::memory_order_relaxed);
    open_.store(true, std::memory_order_release);
    lock.unlock();
    wake();  // a receive thread waiting on the closed device looks again
    return true;
}

bool PosixSerialDevice::openFailed(int fd, std::string cause) {
    if (fd >= 0) {
        portLock_.release();
        ::close(fd);
    }
    setOpenFailureCause(std::move(cause));
    return false;
}

void PosixSerialDevice::setOpenFailureCause(std::string cause) {
    std::lock_guard lock(causeMutex_);
    cause_ = std::move(cause);
}

std::string PosixSerialDevice::openFailureCause() const {
    std::lock_guard lock(causeMutex_);
    return cause_;
}

bool PosixSerialDevice::configure(int fd, const SerialSettings& settings) {
    termios t = saved_;
    ::cfmakeraw(&t);
    t.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY);
    t.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | CRTSCTS);
    t.c_cflag |= CS8 | CSTOPB | CLOCAL | CREAD;
    t.c_cc[VMIN] = 1;  // with O_NONBLOCK: "nothing waiting" is EAGAIN, a hang-up reads 0
    t.c_cc[VTIME] = 0;
    const speed_t speed = speedFor(settings.baud);
    if (::cfsetispeed(&t, speed) != 0 || ::cfsetospeed(&t, speed) != 0) return false;
    return ::tcsetattr(fd, TCSANOW, &t) == 0;
}

bool PosixSerialDevice::close() {
    closers_.fetch_add(1, std::memory_order_acq_rel);
    wake();  // a waitReadable() in progress lets go of the device
    std::unique_lock lock(deviceMutex_);
    closers_.fetch_sub(1, std::memory_order_acq_rel);
    if (fd_ < 0) return false;
    open_.store(false, std::memory_order_release);
    // Unsent bytes would make close() wait until the line drains them (seconds at 4800 baud).
    ::tcflush(fd_, TCOFLUSH);
    ::tcsetattr(fd_, TCSANOW, &saved_);
    ::ioctl(fd_, TIOCNXCL);
    // A waiter may still hold a duplicate of the descriptor for a moment; the lock belongs to
    // the open file they share, so it is given back explicitly, not by the close.
    ::flock(fd_, LOCK_UN);
    portLock_.release();
    ::close(fd_);
    fd_ = -1;
    waitFd_.reset();
    lost_.store(false, std::memory_order_release);
    return true;
}

IoResult PosixSerialDevice::read(uint8_t* buf, size_t max) {
    std::shared_lock lock(deviceMutex_);
    if (fd_ < 0) return {0, IoStatus::NotOpen};
    if (lost_.load(std::memory_order_acquire)) return {0, IoStatus::LineLost};
    if (max == 0) return {0, IoStatus::Ok};
    const ssize_t n = ::read(fd_, buf, max);
    if (n > 0) return {static_cast<size_t>(n), IoStatus::Ok};
    if (n < 0 && (errno == EAGAIN || errno == EINTR)) return {0, IoStatus::Ok};
    if (n == 0 || isGoneError(errno)) {
        markLost();
        return {0, IoStatus::LineLost};
    }
    pendingErrors_.fetch_or(serial_error::kIoError, std::memory_order_relaxed);
    return {0, IoStatus::Error};
}

IoResult PosixSerialDevice::write(const uint8_t* data, size_t n) {
    std::shared_lock lock(deviceMutex_);
    if (fd_ < 0) return {0, IoStatus::NotOpen};
    if (lost_.load(std::memory_order_acquire)) return {0, IoStatus::LineLost};
    return writeLocked(data, n);
}

IoResult PosixSerialDevice::writeLocked(const uint8_t* data, size_t n) {
    const auto deadline = Clock::now() + std::chrono::milliseconds(500 + 10 * n);
    size_t done = 0;
    bool queueWasFull = false;
    while (done < n) {
        if (closers_.load(std::memory_order_acquire) > 0) return {done, IoStatus::TimedOut};
        if (!ctsAsserted(fd_)) {
            if (remainingMs(deadline) == 0) return {done, IoStatus::TimedOut};
            std::this_thread::sleep_for(std::chrono::milliseconds(kWriteSliceMs));
            continue;
        }
        const ssize_t w = ::write(fd_, data + done, n - done);
        if (w > 0) {
            done += static_cast<size_t>(w);
            continue;
        }
        if (w < 0 && errno == EINTR) continue;
        if (w < 0 && errno == EAGAIN) {
            queueWasFull = true;
            const int left = remainingMs(deadline);
            if (left == 0) break;
            pollfd out{fd_, POLLOUT, 0};
            ::poll(&out, 1, left < kWriteSliceMs ? left : kWriteSliceMs);
            continue;
        }
        if (w == 0 || isGoneError(errno)) {
            markLost();
            return {done, IoStatus::LineLost};
        }
        pendingErrors_.fetch_or(serial_error::kIoError, std::memory_order_relaxed);
        return {done, IoStatus::Error};
    }
    if (done == n) return {done, IoStatus::Ok};
    if (queueWasFull) pendingErrors_.fetch_or(serial_error::kTxFull, std::memory_order_relaxed);
    return {done, IoStatus::TimedOut};
}

std::optional<SerialStatus> PosixSerialDevice::status() {
    std::shared_lock lock(deviceMutex_);
    if (fd_ < 0) return std::nullopt;
    SerialStatus s;
    s.errors = pendingErrors_.exchange(0, std::memory_order_relaxed) | takeCounterErrors(fd_);
    int count = 0;
    if (::ioctl(fd_, FIONREAD, &count) == 0 && count > 0) s.inQueue = static_cast<uint32_t>(count);
    count = 0;
    if (::ioctl(fd_, TIOCOUTQ, &count) == 0 && count > 0) s.outQueue = static_cast<uint32_t>(count);
    s.modemLinesKnown = modemLines(fd_, s.modemLines);
    if (s.modemLinesKnown && !(s.modemLines & modem_line::kCts)) {
        s.lineFlags |= line_status::kCtsHold;
    }
    if (lost_.load(std::memory_order_acquire) || pollHungUp(fd_)) {
        markLost();
        s.lineFlags |= line_status::kLineLost | line_status::kRlsdHold;
    }
    return s;
}

std::optional<SerialStatus> PosixSerialDevice::receiveStatus() {
    std::shared_lock lock(deviceMutex_);
    if (fd_ < 0) return std::nullopt;
    SerialStatus s;
    s.errors = pendingErrors_.exchange(0, std::memory_order_relaxed) | takeCounterErrors(fd_);
    if (lost_.load(std::memory_order_acquire)) {
        s.lineFlags |= line_status::kLineLost | line_status::kRlsdHold;
    }
    return s;
}

void PosixSerialDevice::setRts(bool on) {
    std::shared_lock lock(deviceMutex_);
    if (fd_ < 0) return;
    if (rtsLevel_.exchange(on ? 1 : 0, std::memory_order_relaxed) == (on ? 1 : 0)) return;
    const int rts = TIOCM_RTS;
    // Pseudo-terminals have no RTS: nothing to set, nothing to report.
    ::ioctl(fd_, on ? TIOCMBIS : TIOCMBIC, &rts);
}

WaitResult PosixSerialDevice::waitReadable(int timeoutMs) {
    // The wait holds no lock: it polls the open's duplicate descriptor, so that close() and
    // open() never wait for it; close() wakes it instead.
    std::shared_ptr<const WaitDescriptor> device;
    uint32_t generation = 0;
    {
        std::shared_lock lock(deviceMutex_);
        generation = generation_.load(std::memory_order_relaxed);
        if (closers_.load(std::memory_order_acquire) > 0) return WaitResult::Woken;
        if (fd_ >= 0 && lost_.load(std::memory_order_acquire)) return WaitResult::LineLost;
        device = waitFd_;
    }
    pollfd fds[2] = {{wakeFd_, POLLIN, 0}, {device ? device->fd : -1, POLLIN, 0}};
    const nfds_t count = device ? 2 : 1;
    int r;
    do {
        r = ::poll(fds, count, timeoutMs < 0 ? 0 : timeoutMs);
    } while (r < 0 && errno == EINTR);
    if (r <= 0) return WaitResult::TimedOut;
    if (fds[0].revents & POLLIN) {
        drainWake();
        return WaitResult::Woken;
    }
    if (count == 2 && (fds[1].revents & POLLIN)) return WaitResult::Readable;
    if (count == 2 && (fds[1].revents & (POLLHUP | POLLERR | POLLNVAL))) {
        // Only if the device that hung up is still the open one.
        std::shared_lock lock(deviceMutex_);
        if (generation_.load(std::memory_order_relaxed) == generation && fd_ >= 0) markLost();
        return WaitResult::LineLost;
    }
    return WaitResult::TimedOut;
}

PosixSerialDevice::WaitDescriptor::~WaitDescriptor() {
    ::close(fd);
}

void PosixSerialDevice::wake() {
    const uint64_t one = 1;
    [[maybe_unused]] const ssize_t n = ::write(wakeFd_, &one, sizeof one);
}

void PosixSerialDevice::drainWake() {
    uint64_t value = 0;
    [[maybe_unused]] const ssize_t n = ::read(wakeFd_, &value, sizeof value);
}

bool PosixSerialDevice::readCounters(int fd, Counters& out) const {
    if (!countersSupported_.load(std::memory_order_relaxed)) return false;
    serial_icounter_struct ic{};
    if (::ioctl(fd, TIOCGICOUNT, &ic) != 0) {
        // Pseudo-terminals and some adapters keep no counters: nothing to report.
        if (isUnsupported(errno)) countersSupported_.store(false, std::memory_order_relaxed);
        return false;
    }
    out = {ic.frame, ic.overrun, ic.parity, ic.brk, ic.buf_overrun};
    return true;
}

uint32_t PosixSerialDevice::takeCounterErrors(int fd) {
    Counters now;
    if (!readCounters(fd, now)) return 0;
    std::lock_guard lock(countersMutex_);
    uint32_t bits = 0;
    if (now.bufOverrun != lastCounters_.bufOverrun) bits |= serial_error::kRxOverrun;
    if (now.overrun != lastCounters_.overrun) bits |= serial_error::kOverrun;
    if (now.parity != lastCounters_.parity) bits |= serial_error::kParity;
    if (now.frame != lastCounters_.frame) bits |= serial_error::kFraming;
    if (now.brk != lastCounters_.brk) bits |= serial_error::kBreak;
    lastCounters_ = now;
    return bits;
}

bool PosixSerialDevice::modemLines(int fd, uint32_t& out) const {
    out = 0;
    if (!modemLinesSupported_.load(std::memory_order_relaxed)) return false;
    int lines = 0;
    if (::ioctl(fd, TIOCMGET, &lines) != 0) {
        if (isUnsupported(errno)) modemLinesSupported_.store(false, std::memory_order_relaxed);
        return false;
    }
    if (lines & TIOCM_CTS) out |= modem_line::kCts;
    if (lines & TIOCM_DSR) out |= modem_line::kDsr;
    if (lines & TIOCM_RNG) out |= modem_line::kRing;
    if (lines & TIOCM_CAR) out |= modem_line::kRlsd;
    return true;
}

bool PosixSerialDevice::ctsAsserted(int fd) const {
    uint32_t lines = 0;
    return !modemLines(fd, lines) || (lines & modem_line::kCts);
}

bool PosixSerialDevice::pollHungUp(int fd) const {
    pollfd p{fd, 0, 0};
    return ::poll(&p, 1, 0) == 1 && (p.revents & (POLLHUP | POLLERR | POLLNVAL));
}

}  // namespace velmora
