// The simulated radio over a real pseudo-terminal: a client opens the slave device as it would a
// serial port.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "sim/PtyTransport.h"
#include "sim/SimulatedRadio.h"
#include "sim/Transcript.h"
#include "support/TestSupport.h"

namespace velmora::sim {
namespace {

using namespace std::chrono_literals;

class Client {
  public:
    explicit Client(const std::string& path) : fd_(::open(path.c_str(), O_RDWR | O_NOCTTY)) {
        if (fd_ < 0) return;
        termios t{};
        tcgetattr(fd_, &t);
        cfmakeraw(&t);
        tcsetattr(fd_, TCSANOW, &t);
    }
    ~Client() {
        if (fd_ >= 0) ::close(fd_);
    }
    bool ok() const { return fd_ >= 0; }
    void write(const std::string& s) {
        ASSERT_EQ(::write(fd_, s.data(), s.size()), static_cast<ssize_t>(s.size()));
    }
    // Reads until the bytes received end with `until` or the deadline passes.
    std::string readUntil(const std::string& until, std::chrono::milliseconds deadline = 5s) {
        std::string got;
        const auto end = std::chrono::steady_clock::now() + deadline;
        while (got.size() < until.size() ||
               got.compare(got.size() - until.size(), until.size(), until) != 0) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                end - std::chrono::steady_clock::now());
            if (left.count() <= 0) break;
            pollfd p{fd_, POLLIN, 0};
            if (poll(&p, 1, static_cast<int>(left.count())) <= 0) break;
            if (p.revents & (POLLHUP | POLLERR)) {
                hungUp_ = true;
                break;
            }
            char buf[256];
            const ssize_t n = ::read(fd_, buf, sizeof buf);
            if (n <= 0) break;
            got.append(buf, static_cast<size_t>(n));
        }
        return got;
    }
    // True once the line reports a hang-up (or end of file / I/O error on read).
    bool hungUp() {
        pollfd p{fd_, POLLIN, 0};
        if (poll(&p, 1, 0) < 0) return false;
        if (p.revents & (POLLHUP | POLLERR)) return true;
        if (p.revents & POLLIN) {
            char c;
            return ::read(fd_, &c, 1) <= 0;
        }
        return hungUp_;
    }

  private:
    int fd_;
    bool hungUp_ = false;
};

TEST(PtyTransport, AnswersArriveThroughTheSlaveDevice) {
    SimulatedRadio radio;
    Transcript transcript;
    PtyTransport transport(radio, {"", 0, &transcript});
    ASSERT_TRUE(transport.start());
    ASSERT_EQ(transport.slavePath().rfind("/dev/pts/", 0), 0u);
    Client client(transport.slavePath());
    ASSERT_TRUE(client.ok());
    client.write("ID;");
    EXPECT_EQ(client.readUntil(";"), "ID0362;");
    // A command written in pieces is reassembled by the radio.
    client.write("F");
    client.write("A");
    client.write(";");
    EXPECT_EQ(client.readUntil(";"), "FA14195000;");
    client.write(std::string("UP\0\0;FA;", 8));
    EXPECT_EQ(client.readUntil("FA15195000;"), "FA15195000;");
    transport.stop();
    EXPECT_EQ(transcript.joined(Transcript::kToRadio), std::string("ID;FA;UP\0\0;FA;", 14));
    EXPECT_EQ(transcript.joined(Transcript::kFromRadio), "ID0362;FA14195000;FA15195000;");
}

// The serving thread sleeps while idle, yet wakes for the radio's reports and own timers: a
// rotator started from the front panel reports each step with nothing written to the line, and a
// power-on asked from outside comes after its delay.
TEST(PtyTransport, ReportsAndRadioTimersReachAQuietLine) {
    SimOptions options;
    options.rotatorStepMs = 20;
    options.powerOnDelayMs = 30;
    SimulatedRadio radio(options);
    PtyTransport transport(radio, {});
    ASSERT_TRUE(transport.start());
    Client client(transport.slavePath());
    client.write("AI1;");
    EXPECT_EQ(client.readUntil("AI1;"), "AI1;");
    radio.frontPanel([](RadioModel& m) {
        m.rotator.speed = 100;
        m.rotator.turning = 1;
    });
    // The speed change itself reports first, then the steps. A wake that comes late reports
    // where the rotator has got to by then, so under load one report may stand for several.
    std::vector<int> directions;
    while (directions.empty() || directions.back() < 3) {
        const std::string got = client.readUntil(";");
        ASSERT_FALSE(got.empty()) << "reports stopped at " << ::testing::PrintToString(directions);
        for (size_t at = 0; at + 10 <= got.size(); at += 10) {
            ASSERT_EQ(got.substr(at, 2) + got.substr(at + 5, 5), "RO0100;") << got;
            directions.push_back(std::stoi(got.substr(at + 2, 3)));
        }
    }
    EXPECT_EQ(directions.front(), 0);
    EXPECT_EQ(std::adjacent_find(directions.begin(), directions.end(), std::greater_equal<>()),
              directions.end())
        << ::testing::PrintToString(directions);

    radio.setPower(false);
    radio.setPower(true);
    EXPECT_TRUE(test::waitFor([&] { return radio.powerOn(); }));
}

TEST(PtyTransport, DisconnectAfterATime) {
    SimOptions options;
    options.faults.disconnectAfterMs = 50;
    SimulatedRadio radio(options);
    PtyTransport transport(radio, {});
    ASSERT_TRUE(transport.start());
    Client client(transport.slavePath());
    EXPECT_TRUE(test::waitFor([&] { return client.hungUp(); }));
}

TEST(PtyTransport, SymlinkFollowsTheDeviceAndGoesAwayOnStop) {
    const std::string link =
        (std::filesystem::temp_directory_path() / ("aldren-sim-test-" + std::to_string(getpid())))
            .string();
    SimulatedRadio radio;
    PtyTransport transport(radio, {link, 0, nullptr});
    ASSERT_TRUE(transport.start());
    EXPECT_EQ(std::filesystem::read_symlink(link).string(), transport.slavePath());
    {
        Client client(link);
        ASSERT_TRUE(client.ok());
        client.write("PS;");
        EXPECT_EQ(client.readUntil(";"), "PS1;");
    }
    // Clients may come and go: a second one is served too.
    Client again(link);
    again.write("PS;");
    EXPECT_EQ(again.readUntil(";"), "PS1;");
    transport.stop();
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(link)));
}

TEST(PtyTransport, StopsCleanlyWithoutAClientAndTwice) {
    SimulatedRadio radio;
    PtyTransport transport(radio, {});
    ASSERT_TRUE(transport.start());
    radio.frontPanel([](RadioModel& m) { m.set("AI", 0, 1); });
    for (int i = 0; i < 50; ++i) radio.frontPanel([i](RadioModel& m) { m.set("SM", 0, i); });
    transport.stop();
    transport.stop();
    EXPECT_FALSE(transport.connected());
}

}  // namespace
}  // namespace velmora::sim
