#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <thread>

#include "platform/PosixSerialDevice.h"
#include "support/TestSupport.h"

namespace velmora {
namespace {

using test::waitFor;

// A pseudo-terminal pair: the test holds the master, the device under test opens the slave path.
// Termios requests on the master act on the slave, so the test can read the slave's settings
// while the device holds it exclusively.
class Pty {
  public:
    Pty() {
        master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
        if (master_ < 0 || ::grantpt(master_) != 0 || ::unlockpt(master_) != 0) return;
        char name[128] = {};
        if (::ptsname_r(master_, name, sizeof name) == 0) path_ = name;
        // Reads on the test's side must never block a test thread for good.
        ::fcntl(master_, F_SETFL, ::fcntl(master_, F_GETFL) | O_NONBLOCK);
    }
    ~Pty() { closeMaster(); }
    bool ok() const { return master_ >= 0 && !path_.empty(); }
    const std::string& path() const { return path_; }
    int master() const { return master_; }
    void closeMaster() {
        if (master_ >= 0) ::close(master_);
        master_ = -1;
    }
    void send(const std::string& bytes) const {
        ASSERT_EQ(::write(master_, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
    }
    // Reads what the device wrote, waiting up to the deadline for n bytes.
    std::string receive(size_t n) const {
        std::string got;
        waitFor([&] {
            pollfd p{master_, POLLIN, 0};
            if (::poll(&p, 1, 10) == 1 && (p.revents & POLLIN)) {
                char buf[256];
                const ssize_t r = ::read(master_, buf, sizeof buf);
                if (r > 0) got.append(buf, static_cast<size_t>(r));
            }
            return got.size() >= n;
        });
        return got;
    }

  private:
    int master_ = -1;
    std::string path_;
};

size_t openDescriptors() {
    const std::filesystem::path fds("/proc/self/fd");
    return static_cast<size_t>(std::distance(std::filesystem::directory_iterator(fds),
                                             std::filesystem::directory_iterator{}));
}

class PosixSerialDeviceTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(pty_.ok()); }
    bool openAt(int baud) { return device_.open(pty_.path(), SerialSettings{baud}); }
    std::string readAll(size_t n) {
        std::string got;
        waitFor([&] {
            uint8_t buf[256];
            const IoResult r = device_.read(buf, sizeof buf);
            got.append(reinterpret_cast<const char*>(buf), r.count);
            return got.size() >= n || r.status != IoStatus::Ok;
        });
        return got;
    }

    Pty pty_;
    PosixSerialDevice device_;
};

TEST_F(PosixSerialDeviceTest, OpensWithTheLineSettingsOfTheLink) {
    for (const auto& [baud, speed] : {std::pair{4800, B4800}, std::pair{9600, B9600},
                                      std::pair{19200, B19200}, std::pair{38400, B38400}}) {
        ASSERT_TRUE(openAt(baud)) << baud;
        termios t{};
        ASSERT_EQ(::tcgetattr(pty_.master(), &t), 0);
        EXPECT_EQ(::cfgetospeed(&t), speed) << baud;
        EXPECT_EQ(::cfgetispeed(&t), speed) << baud;
        EXPECT_EQ(t.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
        EXPECT_TRUE(t.c_cflag & CSTOPB) << "two stop bits";
        EXPECT_FALSE(t.c_cflag & PARENB);
        EXPECT_TRUE(t.c_cflag & CLOCAL);
        EXPECT_TRUE(t.c_cflag & CREAD);
        EXPECT_FALSE(t.c_cflag & CRTSCTS) << "RTS stays in our hands; CTS is checked by write";
        EXPECT_FALSE(t.c_lflag & (ICANON | ECHO | ISIG));
        EXPECT_FALSE(t.c_iflag & (IXON | IXOFF | ICRNL | ISTRIP));
        EXPECT_FALSE(t.c_oflag & OPOST);
        EXPECT_EQ(t.c_cc[VMIN], 1);
        EXPECT_EQ(t.c_cc[VTIME], 0);
        EXPECT_TRUE(device_.close());
    }
}

TEST_F(PosixSerialDeviceTest, RefusesWhatCannotBeOpenedAndSaysWhy) {
    const struct {
        const char* path;
        const char* cause;
    } rows[] = {
        {"/nonexistent/ttyVELMORA", "there is no such device"},
        {"/tmp", "it is a folder, not a device"},
        {"/dev/null", "it is not a serial device"},
    };
    for (const auto& r : rows) {
        EXPECT_FALSE(device_.open(r.path, SerialSettings{9600})) << r.path;
        EXPECT_EQ(device_.openFailureCause(), r.cause) << r.path;
    }
    EXPECT_FALSE(device_.open(pty_.path(), SerialSettings{1200})) << "not one of the four speeds";
    EXPECT_FALSE(device_.isOpen());
    ASSERT_TRUE(openAt(9600));
    EXPECT_EQ(device_.openFailureCause(), "");
    EXPECT_FALSE(openAt(9600)) << "already open";
    EXPECT_TRUE(device_.isOpen());
}

// Two programs on one port would steal each other's answers: the second opener is refused and
// told who holds it (here the test's own process), even as root, until the first lets go.
TEST_F(PosixSerialDeviceTest, ASecondOpenerOfOnePortIsRefusedWithTheHoldersPid) {
    ASSERT_TRUE(openAt(9600));
    const std::string lockFile = PortLock::lockFilePath(pty_.path());
    if (!lockFile.empty()) {
        EXPECT_TRUE(std::filesystem::exists(lockFile)) << lockFile;
    }
    PosixSerialDevice second;
    EXPECT_FALSE(second.open(pty_.path(), SerialSettings{9600}));
    EXPECT_EQ(second.openFailureCause(),
              "in use by another program (PID " + std::to_string(::getpid()) + ")");
    ASSERT_TRUE(device_.close());
    if (!lockFile.empty()) {
        EXPECT_FALSE(std::filesystem::exists(lockFile));
    }
    EXPECT_TRUE(second.open(pty_.path(), SerialSettings{9600}));
}

// A lock file left by a program that has ended does not keep the port.
TEST_F(PosixSerialDeviceTest, AStaleLockFileIsTakenOver) {
    const std::string lockFile = PortLock::lockFilePath(pty_.path());
    if (lockFile.empty()) GTEST_SKIP() << "no lock folder on this machine";
    std::ofstream(lockFile) << "2147483646\n";
    EXPECT_TRUE(openAt(9600));
    ASSERT_TRUE(device_.close());
    EXPECT_FALSE(std::filesystem::exists(lockFile));
}

TEST_F(PosixSerialDeviceTest, AClosedDeviceReportsNothingAndDoesNothing) {
    uint8_t buf[4];
    EXPECT_FALSE(device_.close());
    EXPECT_FALSE(device_.status().has_value());
    EXPECT_EQ(device_.read(buf, sizeof buf).status, IoStatus::NotOpen);
    EXPECT_EQ(device_.write(buf, 1).status, IoStatus::NotOpen);
    device_.setRts(true);
    ASSERT_TRUE(openAt(4800));
    ASSERT_TRUE(device_.close());
    EXPECT_FALSE(device_.isOpen());
    EXPECT_FALSE(device_.status().has_value());
    ASSERT_TRUE(openAt(4800)) << "the same device opens again after close";
}

TEST_F(PosixSerialDeviceTest, BytesPassBothWaysUnchanged) {
    ASSERT_TRUE(openAt(38400));
    const std::string answer = "FA00014195000;\r\n\x11\x13\x7f\xff";
    pty_.send(answer);
    EXPECT_EQ(readAll(answer.size()), answer);

    const std::string command = "FA;\nID;\r";
    const IoResult w =
        device_.write(reinterpret_cast<const uint8_t*>(command.data()), command.size());
    EXPECT_EQ(w.status, IoStatus::Ok);
    EXPECT_EQ(w.count, command.size());
    EXPECT_EQ(pty_.receive(command.size()), command);
}

TEST_F(PosixSerialDeviceTest, ReadNeverBlocksAndCountsWhatWaits) {
    ASSERT_TRUE(openAt(9600));
    uint8_t buf[64];
    const IoResult none = device_.read(buf, sizeof buf);
    EXPECT_EQ(none.status, IoStatus::Ok);
    EXPECT_EQ(none.count, 0u);

    pty_.send("0123456789");
    ASSERT_TRUE(waitFor([&] {
        const auto s = device_.status();
        return s && s->inQueue == 10;
    }));
    const IoResult part = device_.read(buf, 4);
    EXPECT_EQ(part.count, 4u);
    const auto s = device_.status();
    ASSERT_TRUE(s.has_value());
    EXPECT_EQ(s->inQueue, 6u);
}

TEST_F(PosixSerialDeviceTest, PseudoTerminalsLackingIoctlsReportNothingRatherThanFaults) {
    ASSERT_TRUE(openAt(9600));
    device_.setRts(true);
    device_.setRts(false);
    const auto s = device_.status();
    ASSERT_TRUE(s.has_value());
    EXPECT_EQ(s->errors, 0u);
    EXPECT_EQ(s->lineFlags, 0u) << "no CTS hold without modem lines, and no fault";
    EXPECT_FALSE(s->modemLinesKnown);
    // CTS unknown counts as asserted: the write goes out.
    const uint8_t cmd[] = {'I', 'D', ';'};
    EXPECT_EQ(device_.write(cmd, sizeof cmd).status, IoStatus::Ok);
    EXPECT_EQ(pty_.receive(3), "ID;");
    EXPECT_TRUE(device_.isOpen());
}

// The hang-up is found whichever call meets it first: status() or read() (the receive thread
// reads when its wait says the device is readable); receiveStatus() then reports it too.
TEST_F(PosixSerialDeviceTest, TheOtherEndClosingIsALostLineUntilClose) {
    for (const char* firstCall : {"status", "read"}) {
        SCOPED_TRACE(firstCall);
        Pty pty;
        ASSERT_TRUE(device_.open(pty.path(), SerialSettings{9600}));
        pty.send("AI1;");
        EXPECT_EQ(readAll(4), "AI1;");
        pty.closeMaster();
        uint8_t buf[8];
        const std::string_view call = firstCall;
        ASSERT_TRUE(waitFor([&] {
            if (call == "read") return device_.read(buf, sizeof buf).status == IoStatus::LineLost;
            const auto s = device_.status();
            return s && (s->lineFlags & line_status::kLineLost);
        }));
        const auto r = device_.receiveStatus();
        ASSERT_TRUE(r.has_value());
        EXPECT_TRUE(r->lineFlags & line_status::kLineLost);
        EXPECT_TRUE(r->lineFlags & line_status::kRlsdHold);
        const auto s = device_.status();
        ASSERT_TRUE(s.has_value());
        EXPECT_TRUE(s->lineFlags & line_status::kLineLost);
        EXPECT_TRUE(s->lineFlags & line_status::kRlsdHold) << "handled like a lost carrier";
        EXPECT_EQ(device_.read(buf, sizeof buf).status, IoStatus::LineLost);
        EXPECT_EQ(device_.write(buf, 1).status, IoStatus::LineLost);
        EXPECT_EQ(device_.waitReadable(60'000), WaitResult::LineLost);
        EXPECT_TRUE(device_.close());
        EXPECT_FALSE(device_.open(pty.path(), SerialSettings{9600})) << "the device has gone";
    }
}

TEST_F(PosixSerialDeviceTest, WaitReadableReturnsForBytesWakeAndTimeOut) {
    ASSERT_TRUE(openAt(9600));
    EXPECT_EQ(device_.waitReadable(0), WaitResult::Woken) << "open leaves a wake for a waiter";
    EXPECT_EQ(device_.waitReadable(1), WaitResult::TimedOut);

    pty_.send("X");
    EXPECT_EQ(device_.waitReadable(60'000), WaitResult::Readable);
    uint8_t b;
    EXPECT_EQ(device_.read(&b, 1).count, 1u);

    device_.wake();  // kept until somebody waits
    EXPECT_EQ(device_.waitReadable(60'000), WaitResult::Woken);

    std::atomic<int> result{-1};
    std::thread waiter([&] { result = static_cast<int>(device_.waitReadable(60'000)); });
    device_.wake();
    waiter.join();
    EXPECT_EQ(result.load(), static_cast<int>(WaitResult::Woken));
}

TEST_F(PosixSerialDeviceTest, CloseWakesAWaiterAndOpenWakesAWaiterOnTheClosedDevice) {
    ASSERT_TRUE(openAt(9600));
    device_.waitReadable(0);  // take the wake of open
    std::atomic<bool> done{false};
    std::thread waiter([&] {
        device_.waitReadable(60'000);
        done = true;
    });
    EXPECT_TRUE(device_.close());
    waiter.join();
    EXPECT_TRUE(done.load());

    device_.waitReadable(0);  // take the wake of close
    done = false;
    std::thread idle([&] {
        device_.waitReadable(60'000);
        done = true;
    });
    ASSERT_TRUE(openAt(9600));
    idle.join();
    EXPECT_TRUE(done.load());
}

// The receive thread waits and reads while the send thread writes and the main thread closes and
// reopens: nothing may crash, hang or race (run under TSan).
TEST_F(PosixSerialDeviceTest, ConcurrentUseWithCloseAndReopenIsSafe) {
    ASSERT_TRUE(openAt(38400));
    std::atomic<bool> stop{false};
    std::thread receiver([&] {
        uint8_t buf[64];
        while (!stop) {
            if (device_.waitReadable(20) == WaitResult::Readable) device_.read(buf, sizeof buf);
            device_.receiveStatus();
            device_.status();
            device_.setRts(true);
        }
    });
    std::thread sender([&] {
        const uint8_t cmd[] = {'F', 'A', ';'};
        while (!stop) device_.write(cmd, sizeof cmd);
    });
    std::thread drain([&] {
        char buf[256];
        while (!stop) {
            pollfd p{pty_.master(), POLLIN, 0};
            if (::poll(&p, 1, 5) == 1) [[maybe_unused]]
                auto n = ::read(pty_.master(), buf, 256);
        }
    });
    const size_t descriptorsOpen = openDescriptors();
    for (int i = 0; i < 50; ++i) {
        pty_.send("AI1;");
        device_.close();
        EXPECT_TRUE(openAt(38400)) << device_.openFailureCause();
    }
    stop = true;
    device_.wake();
    receiver.join();
    sender.join();
    drain.join();
    EXPECT_TRUE(device_.isOpen());
    // Every open's descriptors, the wait's duplicate among them, went with its close.
    EXPECT_EQ(openDescriptors(), descriptorsOpen);
}

}  // namespace
}  // namespace velmora
