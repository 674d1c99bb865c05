#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "rigctl/DumpState.h"
#include "rigctl/ListenAddress.h"
#include "rigctl/RigctlSession.h"

namespace velmora::rigctl {
namespace {

using namespace std::chrono_literals;
using Clock = RigctlSession::Clock;

// A radio that carries out each change at once, or (silent) never reports it, or refuses it.
class FakeRig : public RigControl {
  public:
    RigState now;
    bool reports = true;
    bool refuses = false;
    std::vector<RigSet> sent;

    RigState state() const override { return now; }
    bool send(const RigSet& set) override {
        sent.push_back(set);
        if (refuses) ++now.refusals;
        if (!reports || refuses) return true;
        switch (set.kind) {
            case RigSetKind::Frequency:
                now.frequency[set.side] = set.value;
                break;
            case RigSetKind::Mode:
                now.mode[set.side] = static_cast<int>(set.value);
                break;
            case RigSetKind::Split:
                now.split = set.value != 0;
                break;
            case RigSetKind::Ptt:
                now.transmitting = set.value != 0;
                break;
            case RigSetKind::ClearClarifier:
                now.clarifierHz = 0;
                break;
        }
        return true;
    }
};

class RigctlSessionTest : public ::testing::Test {
  protected:
    RigctlSessionTest() {
        rig.now.frequency[0] = 14074000;
        rig.now.frequency[1] = 14076000;
        rig.now.mode[0] = 12;
        rig.now.mode[1] = 2;
        rig.now.clarifierOn = true;
        rig.now.clarifierHz = -120;
        rig.now.rfPower = 128;
    }
    std::string say(const std::string& text) {
        session.receive(text, t0);
        return session.takeReplies();
    }
    FakeRig rig;
    RigctlSession session{rig};
    Clock::time_point t0 = Clock::now();
};

struct Exchange {
    const char* request;
    const char* reply;
};

// clang-format off
const Exchange kExchanges[] = {
    // A client's opening and its polls, one command per line and several on one.
    {"\\chk_vfo\n",                  "0\n"},
    {"v\nf\nf\ns\nm\n",              "VFOA\n14074000\n14074000\n0\nVFOA\nPKTUSB\n2400\n"},
    {"f m v s t\n",                  "14074000\nPKTUSB\n2400\nVFOA\n0\nVFOA\n0\n"},
    {"f\r\n",                        "14074000\n"},
    // Sets answer once the radio reports; floats and optional VFOs accepted.
    {"F 7074000.000000\nf\n",        "RPRT 0\n7074000\n"},
    {"F VFOB 7076000\ni\n",          "RPRT 0\n7076000\n"},
    {"\\get_lock_mode\n",            "0\nRPRT 0\n"},
    {"\\set_lock_mode 1\n",          "RPRT 0\n"},
    {"M PKTUSB -1\nm\n",             "RPRT 0\nPKTUSB\n2400\n"},
    {"M CW 0\nm\n",                  "RPRT 0\nCW\n500\n"},
    {"S 1 VFOB\nx\ns\n",             "RPRT 0\nUSB\n2400\n1\nVFOB\n"},
    {"I 14078000\nX PKTUSB -1\ni x\n", "RPRT 0\nRPRT 0\n14078000\nPKTUSB\n2400\n"},
    {"T 1\nt\nT 0\nt\n",             "RPRT 0\n1\nRPRT 0\n0\n"},
    {"V VFOB\nv\nf\n",               "RPRT 0\nVFOB\n14076000\n"},
    {"\\get_vfo_info VFOA\n",        "14074000\nPKTUSB\n2400\n0\n0\n"},
    {"\\get_powerstat\n",            "1\n"},
    {"j\nJ -120\nJ 0\nj\n",           "-120\nRPRT 0\nRPRT 0\n0\n"},
    {"l STRENGTH\n",                 "-54\n"},
    {"l RFPOWER\n",                  "0.501961\n"},
    // Extended replies, byte for byte.
    {"+f\n",                         "get_freq:\nFrequency: 14074000\nRPRT 0\n"},
    {";m\n",                         "get_mode:;Mode: PKTUSB;Passband: 2400;RPRT 0\n"},
    {"|\\get_split_vfo\n",           "get_split_vfo:|Split: 0|TX VFO: VFOA|RPRT 0\n"},
    {",\\set_freq 7074000\n",        "set_freq: 7074000,RPRT 0\n"},
    {"+F VFOA 7074000\n",            "set_freq: VFOA 7074000\nRPRT 0\n"},
    {"+l STRENGTH\n",                "get_level: STRENGTH\nLevel Value: -54\nRPRT 0\n"},
    // Errors: never silence, never the next line taken as the argument.
    {"F\nf\n",                       "RPRT -1\n14074000\n"},
    {"S 1\nv\n",                     "RPRT -1\nVFOA\n"},
    {"F abc\n",                      "RPRT -1\n"},
    {"F 100\n",                      "RPRT -1\n"},
    {"M NOSUCH 0\n",                 "RPRT -1\n"},
    {"T 7\n",                        "RPRT -1\n"},
    {"V VFOC\n",                     "RPRT -16\n"},
    {"\\get_vfo_info VFOZ\n",        "RPRT -16\n"},
    {"Z\nf\n",                       "RPRT -4\n14074000\n"},
    {"\\set_level AF 0.5\nv\n",      "RPRT -4\nVFOA\n"},
    {"l SWR\n",                      "RPRT -11\n"},
    {"J 100\n",                      "RPRT -11\n"},
    {"+Z\n",                         "RPRT -4\n"},
    {"\n\n",                         ""},
};
// clang-format on

TEST_F(RigctlSessionTest, AnswersEveryExchangeByteForByte) {
    const RigState start = rig.now;
    for (const Exchange& e : kExchanges) {
        rig.now = start;
        RigctlSession fresh(rig);
        fresh.receive(e.request, t0);
        EXPECT_EQ(fresh.takeReplies(), e.reply) << e.request;
    }
}

TEST_F(RigctlSessionTest, LineArrivingInPiecesIsAnsweredOnceComplete) {
    EXPECT_EQ(say("f m"), "");
    EXPECT_EQ(say(" v\r"), "");
    EXPECT_EQ(say("\n"), "14074000\nPKTUSB\n2400\nVFOA\n");
}

TEST_F(RigctlSessionTest, SilentRadioTimesOutAndHoldsLaterCommandsInOrder) {
    rig.reports = false;
    EXPECT_EQ(say("F 7074000\nf\n"), "");
    EXPECT_TRUE(session.waiting());
    session.poll(t0 + RigctlSession::kSetWait - 1ms);
    EXPECT_EQ(session.takeReplies(), "");
    session.poll(t0 + RigctlSession::kSetWait);
    EXPECT_EQ(session.takeReplies(), "RPRT -5\n14074000\n");
}

TEST_F(RigctlSessionTest, SetTheRadioRefusesIsRejectedAtOnce) {
    rig.refuses = true;
    EXPECT_EQ(say("F 7074000\nf\n"), "RPRT -9\n14074000\n");
    EXPECT_FALSE(session.waiting());
}

TEST_F(RigctlSessionTest, SilentLinkRefusesAtOnceAndRadioOffAnswersWhenTheWaitRunsOut) {
    rig.reports = false;
    rig.now.linkUp = false;
    EXPECT_EQ(say("T 1\n"), "RPRT -5\n");
    EXPECT_TRUE(rig.sent.empty());
    rig.now.linkUp = true;
    rig.now.powerOn = false;
    EXPECT_EQ(say("T 1\n"), "");
    session.poll(t0 + RigctlSession::kSetWait);
    EXPECT_EQ(session.takeReplies(), "RPRT -20\n");
}

TEST_F(RigctlSessionTest, VfoChoiceStaysWithItsSession) {
    RigctlSession other(rig);
    say("V VFOB\n");
    other.receive("F 7000000\n", t0);
    EXPECT_EQ(rig.now.frequency[0], 7000000);
    EXPECT_EQ(rig.now.frequency[1], 14076000);
}

TEST_F(RigctlSessionTest, DumpStateTailOnlyAfterChkVfo) {
    const std::string plain = say("\\dump_state\n");
    EXPECT_EQ(plain, dumpStateText(false));
    EXPECT_EQ(plain.find("done"), std::string::npos);
    EXPECT_EQ(say("\\chk_vfo\n\\dump_state\n"), "0\n" + dumpStateText(true));
    EXPECT_NE(dumpStateText(true).find("targetable_vfo=0x3\n"), std::string::npos);
}

TEST_F(RigctlSessionTest, OverlongLineIsRefusedAndClosesTheSession) {
    EXPECT_EQ(say(std::string(RigctlSession::kMaxLineBytes + 1, 'f')), "RPRT -1\n");
    EXPECT_TRUE(session.closed());
    EXPECT_EQ(say("f\n"), "");
}

TEST_F(RigctlSessionTest, QuitClosesAfterTheRepliesBeforeIt) {
    EXPECT_EQ(say("f q f\n"), "14074000\n");
    EXPECT_TRUE(session.closed());
}

TEST(ListenAddressTest, PortAloneIsLoopbackAndAddressesAreExplicit) {
    struct Case {
        const char* text;
        bool ok;
        const char* host;
        unsigned short port;
    } cases[] = {{"4532", true, "127.0.0.1", 4532},
                 {"0.0.0.0:4533", true, "0.0.0.0", 4533},
                 {"[::1]:4534", true, "::1", 4534},
                 {":4532", false, "", 0},
                 {"70000", false, "", 0},
                 {"45x", false, "", 0},
                 {"", false, "", 0}};
    for (const Case& c : cases) {
        const auto a = parseListenAddress(c.text);
        ASSERT_EQ(a.has_value(), c.ok) << c.text;
        if (!a) continue;
        EXPECT_EQ(a->host, c.host);
        EXPECT_EQ(a->port, c.port);
    }
}

}  // namespace
}  // namespace velmora::rigctl
