// The rigctld server over real TCP sockets, serving the program against the simulated radio.
#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include "ShellFixture.h"
#include "app/RigctlServer.h"
#include "app/StoreRigControl.h"
#include "rigctl/DumpState.h"

namespace velmora::test {
namespace {

using namespace std::chrono_literals;

// A client on a non-blocking socket, pumped from the test's thread between the link's timers.
class TcpClient {
  public:
    explicit TcpClient(unsigned short port) {
        fd_ = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_port = htons(port);
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        connected = ::connect(fd_, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0;
        ::fcntl(fd_, F_SETFL, O_NONBLOCK);
    }
    ~TcpClient() { ::close(fd_); }
    // Writes what the socket takes now; the rest waits for the next call.
    void write(std::string_view text) {
        pendingOut_.append(text);
        flush();
    }
    void flush() {
        while (!pendingOut_.empty()) {
            const ssize_t n = ::send(fd_, pendingOut_.data(), pendingOut_.size(), MSG_NOSIGNAL);
            if (n <= 0) return;
            pendingOut_.erase(0, static_cast<size_t>(n));
        }
    }
    void pump() {
        flush();
        char buf[65536];
        for (;;) {
            const ssize_t n = ::recv(fd_, buf, sizeof buf, 0);
            if (n > 0) {
                received.append(buf, static_cast<size_t>(n));
                continue;
            }
            if (n == 0) closedByServer = true;
            return;
        }
    }
    std::string take() {
        std::string out;
        out.swap(received);
        return out;
    }

    bool connected = false;
    bool closedByServer = false;
    std::string received;

  private:
    int fd_ = -1;
    std::string pendingOut_;
};

class RigctlServerTest : public ShellFixture {
  protected:
    void SetUp() override {
        startAll();
        connect();
        // What clients read is what the initial read brought in.
        ASSERT_TRUE(runUntil([&] { return app->progress().menuReadSteps() > 0; }));
        control = std::make_unique<StoreRigControl>(store());
        server = std::make_unique<RigctlServer>(*control, rigctl::ListenAddress{"127.0.0.1", 0});
        std::string error;
        ASSERT_TRUE(server->start(&error)) << error;
    }
    void TearDown() override { server->stop(); }

    std::unique_ptr<TcpClient> client() {
        auto c = std::make_unique<TcpClient>(server->port());
        EXPECT_TRUE(c->connected);
        return c;
    }
    // Sends request and waits for as many bytes as the expected reply has.
    std::string exchange(TcpClient& c, std::string_view request, size_t replyBytes) {
        c.write(request);
        runUntil([&] {
            c.pump();
            return c.received.size() >= replyBytes || c.closedByServer;
        });
        return c.take();
    }

    std::unique_ptr<StoreRigControl> control;
    std::unique_ptr<RigctlServer> server;
};

struct Step {
    const char* request;
    std::string reply;
};

TEST_F(RigctlServerTest, DigitalModeProgramsSessionGetsExactRepliesAndTheRadioFollows) {
    auto c = client();
    // clang-format off
    const Step steps[] = {
        // Opening.
        {"\\chk_vfo\n",              "0\n"},
        {"\\dump_state\n",           rigctl::dumpStateText(true)},
        {"F 14074000\nX USB -1\n",   "RPRT 0\nRPRT 0\n"},
        {"M USB -1\n",               "RPRT 0\n"},
        {"v\nf\nf\ns\nm\n",          "VFOA\n14074000\n14074000\n0\nVFOA\nUSB\n2400\n"},
        // Polling.
        {"v\ns\nf\nm\nt\n",          "VFOA\n0\nVFOA\n14074000\nUSB\n2400\n0\n"},
        // Mode change.
        {"F 14074000.000000\n",      "RPRT 0\n"},
        {"\\get_lock_mode\n",        "0\nRPRT 0\n"},
        {"m\n",                      "USB\n2400\n"},
        {"M PKTUSB -1\n",            "RPRT 0\n"},
        // Split.
        {"S 1 VFOB\n",               "RPRT 0\n"},
        {"x\n",                      "USB\n2400\n"},
        {"f\n",                      "14074000\n"},
        {"I 14076000.000000\n",      "RPRT 0\n"},
        {"X PKTUSB -1\n",            "RPRT 0\n"},
        {"s\ni\nx\n",                "1\nVFOB\n14076000\nPKTUSB\n2400\n"},
        // Transmitting.
        {"T 1\nt\n",                 "RPRT 0\n1\n"},
        {"T 0\nt\n",                 "RPRT 0\n0\n"},
        {"+\\get_freq\n",            "get_freq:\nFrequency: 14074000\nRPRT 0\n"},
        {"q\n",                      ""},
    };
    // clang-format on
    for (const Step& s : steps)
        EXPECT_EQ(exchange(*c, s.request, s.reply.size()), s.reply) << s.request;
    EXPECT_TRUE(runUntil([&] {
        c->pump();
        return c->closedByServer;
    }));
    const sim::RadioModel radio = this->radio->snapshot();
    EXPECT_EQ(radio.frequency(kMain), 14074000);
    EXPECT_EQ(radio.frequency(kSub), 14076000);
    EXPECT_EQ(radio.get("MD", kMain), 12);
    EXPECT_EQ(radio.get("MD", kSub), 12);
    EXPECT_EQ(radio.get("FT"), 1);
    EXPECT_EQ(radio.get("TX"), 0);
}

TEST_F(RigctlServerTest, PollerAtTenHertzKeepsGettingWholeRepliesWhileAnotherClientSets) {
    auto poller = client();
    auto setter = client();
    const int64_t targets[] = {7074000, 7076000, 10136000, 14074000, 21074000};
    size_t next = 0, polls = 0;
    auto lastPoll = Clock::now() - 1s;
    std::string pollReplies;
    bool setInFlight = false;
    ASSERT_TRUE(runUntil(
        [&] {
            poller->pump();
            setter->pump();
            if (Clock::now() - lastPoll >= 100ms) {
                poller->write("f m v s t\n");
                lastPoll = Clock::now();
                ++polls;
            }
            if (setInFlight && setter->received == "RPRT 0\n") {
                setter->take();
                setInFlight = false;
                ++next;
            }
            if (!setInFlight && next < std::size(targets)) {
                setter->write("F " + std::to_string(targets[next]) + "\n");
                setInFlight = true;
            }
            return next == std::size(targets) && polls >= 10;
        },
        30s))
        << "setter got: " << setter->received;
    ASSERT_TRUE(runUntil([&] {
        poller->pump();
        return static_cast<size_t>(
                   std::count(poller->received.begin(), poller->received.end(), '\n')) == polls * 7;
    })) << poller->received;
    // Every poll answered with its seven lines; the last shows the last set.
    const std::string all = poller->take();
    const size_t lastSet = all.rfind("21074000\nUSB\n2400\nVFOA\n0\nVFOA\n0\n");
    ASSERT_NE(lastSet, std::string::npos);
    EXPECT_EQ(lastSet + 32, all.size());
}

TEST_F(RigctlServerTest, FloodingOrStuckClientsNeitherBlockOthersNorTheServer) {
    auto flooder = client();
    auto stuck = client();
    auto polite = client();
    flooder->write(std::string(1 << 20, 'f'));
    // A client that sends commands and never reads its replies.
    std::string many;
    for (int i = 0; i < 1000000; ++i) many += "f\n";
    stuck->write(many);
    EXPECT_TRUE(runUntil([&] {
        flooder->flush();
        stuck->flush();
        flooder->pump();
        return flooder->closedByServer;
    }));
    EXPECT_EQ(flooder->take(), "RPRT -1\n");
    EXPECT_EQ(exchange(*polite, "F 7074000\nf\n", 16), "RPRT 0\n7074000\n");
}

TEST_F(RigctlServerTest, SetTheRadioRefusesIsRejectedAndClarifierClears) {
    auto c = client();
    radio->frontPanel([](sim::RadioModel& m) {
        m.set("RT", 0, 1);
        m.setClarifier(kMain, 300);
    });
    ASSERT_TRUE(runUntil([&] { return store().records.ifStatus.clarifierOffset.get() == 300; }));
    sim::FaultPlan refuseFrequency;
    refuseFrequency.refuseCode = "FA";
    radio->setFaults(refuseFrequency);
    // Rejected, not timed out: -5 would come only after the whole wait.
    EXPECT_EQ(exchange(*c, "F 7100000\n", 8), "RPRT -9\n");
    radio->setFaults({});
    EXPECT_EQ(exchange(*c, "j\nJ 0\nj\n", 13), "300\nRPRT 0\n0\n");
    EXPECT_EQ(this->radio->snapshot().clarifier(kMain), 0);
}

TEST_F(RigctlServerTest, RadioSwitchedOffThenSilentAnswersWithTheirCodes) {
    auto c = client();
    radio->setPower(false);
    ASSERT_TRUE(runUntil([&] { return store().records.ps.get() == 0; }));
    EXPECT_EQ(exchange(*c, "T 1\n", 9), "RPRT -20\n");
    EXPECT_EQ(exchange(*c, "\\get_powerstat\n", 2), "0\n");

    radio->setPower(true);
    ASSERT_TRUE(runUntil([&] { return store().records.ps.get() == 1; }));
    radio->silenceFor(60000);
    EXPECT_EQ(exchange(*c, "F 7100000\n", 8), "RPRT -5\n");
}

}  // namespace
}  // namespace velmora::test
