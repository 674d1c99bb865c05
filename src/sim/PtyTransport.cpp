#include "sim/PtyTransport.h"

#include <fcntl.h>
#include <poll.h>
#include <pthread.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <deque>

#include "sim/LineShaper.h"

namespace velmora::sim {

namespace {

// The radio's menu item of its port speed, and the speeds of its choices.
constexpr int kCatRateMenuItem = 32;
int64_t catRateBaud(int64_t choice) {
    static constexpr int64_t kRates[] = {4800, 9600, 19200, 38400};
    return choice >= 0 && choice < 4 ? kRates[choice] : 0;
}

constexpr int64_t kTickMicros = 10000;       // noise and a full line are looked at this often
constexpr int64_t kPacedBurstMicros = 2000;  // paced output goes out in slices of this length
constexpr int kBitsPerCharacter = 11;        // start, 8 data, 2 stop
constexpr size_t kMaxPendingChunks = 10000;  // output kept while nobody reads the line

int64_t nowMicros() {
    return std::chrono::duration_cast<std::chrono::microseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// How long the serving thread may sleep: until the next chunk may go out, the radio's next
// timer, the planned disconnect or the next noise; -1 when nothing at all is due.
int64_t microsUntilDue(const std::deque<LineChunk>& pending, int64_t lineFreeAt,
                       int64_t radioTimerMs, const FaultPlan& plan, int64_t started, int64_t now) {
    int64_t wait = -1;
    const auto consider = [&wait](int64_t micros) {
        micros = std::max<int64_t>(micros, 0);
        if (wait < 0 || micros < wait) wait = micros;
    };
    if (!pending.empty()) consider(std::max(pending.front().notBeforeMicros, lineFreeAt) - now);
    if (radioTimerMs >= 0) consider(radioTimerMs * 1000);
    if (plan.disconnectAfterMs >= 0) consider(started + plan.disconnectAfterMs * 1000 - now);
    if (plan.noiseBytesPerSecond > 0) consider(kTickMicros);
    return wait;
}

void closeFd(int& fd) {
    if (fd >= 0) ::close(fd);
    fd = -1;
}

std::string errnoText(const char* what) {
    return std::string(what) + ": " + std::strerror(errno);
}

// The line discipline must pass bytes through untouched: no echo, no line editing, no CR/LF
// translation.
void makeRaw(int fd) {
    termios t{};
    if (tcgetattr(fd, &t) != 0) return;
    cfmakeraw(&t);
    tcsetattr(fd, TCSANOW, &t);
}

}  // namespace

PtyTransport::PtyTransport(SimulatedRadio& radio, PtyOptions options)
    : radio_(radio), options_(std::move(options)) {}

PtyTransport::~PtyTransport() {
    stop();
}

bool PtyTransport::start(std::string* error) {
    auto fail = [&](const std::string& why) {
        if (error) *error = why;
        closeFd(master_);
        closeFd(heldSlave_);
        return false;
    };
    master_ = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master_ < 0) return fail(errnoText("posix_openpt"));
    char name[128];
    if (grantpt(master_) != 0 || unlockpt(master_) != 0 ||
        ptsname_r(master_, name, sizeof name) != 0)
        return fail(errnoText("pseudo-terminal setup"));
    slavePath_ = name;
    heldSlave_ = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (heldSlave_ < 0) return fail(errnoText("open slave"));
    makeRaw(heldSlave_);
    fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);
    int pipeFds[2];
    if (pipe2(pipeFds, O_NONBLOCK | O_CLOEXEC) != 0) return fail(errnoText("pipe"));
    wakeRead_ = pipeFds[0];
    wakeWrite_ = pipeFds[1];
    if (!options_.linkPath.empty() && !makeLink(error)) {
        closeFd(wakeRead_);
        closeFd(wakeWrite_);
        return fail(error ? *error : "symlink");
    }
    connected_.store(true, std::memory_order_release);
    radio_.setAnswerListener([this] { wake(); });
    thread_ = std::thread([this] {
        // Named, so a profile or a per-thread CPU figure tells the radio from the program.
        pthread_setname_np(pthread_self(), "aldren-sim");
        run();
    });
    return true;
}

bool PtyTransport::makeLink(std::string* error) {
    struct stat st {};
    // Replace only an old symlink, never a file someone else put there.
    if (lstat(options_.linkPath.c_str(), &st) == 0) {
        if (!S_ISLNK(st.st_mode)) {
            if (error) *error = options_.linkPath + " exists and is not a symlink";
            return false;
        }
        ::unlink(options_.linkPath.c_str());
    }
    if (symlink(slavePath_.c_str(), options_.linkPath.c_str()) != 0) {
        if (error) *error = errnoText("symlink");
        return false;
    }
    return true;
}

void PtyTransport::stop() {
    if (!thread_.joinable()) return;
    stopping_.store(true, std::memory_order_release);
    wake();
    thread_.join();
    radio_.setAnswerListener(nullptr);
    {
        std::lock_guard lock(wakeMutex_);
        closeFd(wakeWrite_);
    }
    closeFd(wakeRead_);
    if (!options_.linkPath.empty()) {
        char target[PATH_MAX];
        const ssize_t n = readlink(options_.linkPath.c_str(), target, sizeof target - 1);
        if (n > 0 && std::string(target, static_cast<size_t>(n)) == slavePath_)
            ::unlink(options_.linkPath.c_str());
    }
}

void PtyTransport::disconnect() {
    disconnectRequested_.store(true, std::memory_order_release);
    wake();
}

void PtyTransport::wake() {
    std::lock_guard lock(wakeMutex_);
    if (wakeWrite_ < 0) return;
    const char b = 1;
    // A full pipe already holds a wake-up; nothing is lost when this write fails.
    [[maybe_unused]] auto n = ::write(wakeWrite_, &b, 1);
}

bool PtyTransport::lineAtRadioRate() const {
    // The master reports the termios its client gave the slave.
    termios t{};
    if (::tcgetattr(master_, &t) != 0) return true;
    static constexpr std::pair<speed_t, int64_t> kSpeeds[] = {
        {B4800, 4800}, {B9600, 9600}, {B19200, 19200}, {B38400, 38400}};
    int64_t line = 0;
    for (const auto& [code, bps] : kSpeeds) {
        if (cfgetospeed(&t) == code) line = bps;
    }
    return line == catRateBaud(radio_.menuValue(kCatRateMenuItem));
}

void PtyTransport::closeLine() {
    closeFd(master_);
    closeFd(heldSlave_);
    connected_.store(false, std::memory_order_release);
}

void PtyTransport::run() {
    const int64_t started = nowMicros();
    const int64_t charMicros =
        options_.baud > 0 ? kBitsPerCharacter * 1000000LL / options_.baud : 0;
    LineShaper shaper(radio_.faults().seed);
    std::deque<LineChunk> pending;
    int64_t lineFreeAt = 0;
    while (!stopping_.load(std::memory_order_acquire)) {
        const FaultPlan plan = radio_.faults();
        shaper.setPlan(plan);
        int64_t t = nowMicros();
        const bool timeUp =
            plan.disconnectAfterMs >= 0 && t - started >= plan.disconnectAfterMs * 1000;
        if (master_ >= 0 && (timeUp || disconnectRequested_.load(std::memory_order_acquire))) {
            closeLine();
            pending.clear();
        }
        if (master_ >= 0) {
            radio_.tick();
            std::string noise = shaper.noiseDue(t);
            if (!noise.empty()) pending.push_back({std::move(noise), t});
            for (const std::string& a : radio_.takeAnswers()) shaper.addAnswer(a, t, pending);
            // Nobody reads the line: forget the oldest output rather than grow without bound.
            while (pending.size() > kMaxPendingChunks) pending.pop_front();
        }
        // Write what is due, slice by slice when paced.
        while (master_ >= 0 && !pending.empty()) {
            LineChunk& c = pending.front();
            t = nowMicros();
            if (c.notBeforeMicros > t || (charMicros > 0 && lineFreeAt > t)) break;
            size_t n = c.bytes.size();
            if (charMicros > 0)
                n = std::min<size_t>(
                    n, static_cast<size_t>(std::max<int64_t>(1, kPacedBurstMicros / charMicros)));
            const ssize_t w = ::write(master_, c.bytes.data(), n);
            if (w <= 0) break;  // the slave's queue is full; retry when it drains
            if (options_.transcript)
                options_.transcript->record(Transcript::kFromRadio,
                                            c.bytes.substr(0, static_cast<size_t>(w)));
            if (charMicros > 0) lineFreeAt = std::max(lineFreeAt, t) + w * charMicros;
            c.bytes.erase(0, static_cast<size_t>(w));
            if (c.bytes.empty()) pending.pop_front();
        }
        int64_t waitMicros = -1;
        if (master_ >= 0)
            waitMicros = microsUntilDue(pending, lineFreeAt, radio_.millisUntilNextTimer(), plan,
                                        started, nowMicros());
        pollfd fds[2] = {{wakeRead_, POLLIN, 0}, {master_, POLLIN, 0}};
        const nfds_t count = master_ >= 0 ? 2 : 1;
        if (!pending.empty() && waitMicros == 0) {
            // Due but not written: the slave's queue is full until the client reads.
            fds[1].events |= POLLOUT;
            waitMicros = kTickMicros;
        }
        // Idle with nothing due, the thread sleeps until the line or the radio wakes it.
        const timespec timeout{waitMicros / 1000000,
                               static_cast<long>(waitMicros % 1000000) * 1000};
        if (ppoll(fds, count, waitMicros < 0 ? nullptr : &timeout, nullptr) < 0 && errno != EINTR)
            break;
        if (fds[0].revents & POLLIN) {
            char drain[64];
            while (::read(wakeRead_, drain, sizeof drain) > 0) {
            }
        }
        if (count == 2 && (fds[1].revents & POLLIN)) {
            char buf[4096];
            const ssize_t r = ::read(master_, buf, sizeof buf);
            if (r > 0) {
                const std::string_view bytes(buf, static_cast<size_t>(r));
                if (options_.transcript) options_.transcript->record(Transcript::kToRadio, bytes);
                if (!options_.checkLineRate || lineAtRadioRate()) {
                    radio_.receive(bytes);
                } else {
                    wrongRate_.fetch_add(static_cast<uint64_t>(r), std::memory_order_acq_rel);
                }
            }
        }
    }
    closeLine();
}

}  // namespace velmora::sim
