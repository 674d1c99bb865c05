// The running link against the simulated radio: keep-alive, a restarted read, auto-information
// and power switched off and on, a wrong radio, a silent radio, a radio that goes away, and the
// shutdown.
#include <fstream>
#include <iterator>

#include "integration/ShellFixture.h"
#include "link/MessageIds.h"
#include "resources/StringTable.h"

namespace velmora {
namespace {

using namespace std::chrono_literals;

class LinkBehaviour : public test::ShellFixture {
  protected:
    // Index of the n-th (0-based) occurrence of s in v, or v.size().
    static size_t nth(const std::vector<std::string>& v, const std::string& s, int n) {
        for (size_t i = 0; i < v.size(); ++i)
            if (v[i] == s && n-- == 0) return i;
        return v.size();
    }
    size_t keepAlivePairs() {
        const auto sent = toRadio();
        size_t pairs = 0;
        for (size_t i = 0; i + 1 < sent.size(); ++i)
            if (sent[i] == "PS;" && sent[i + 1] == "AI;") ++pairs;
        return pairs;
    }
};

TEST_F(LinkBehaviour, KeepAliveAsksPowerThenAutoInformationEachSecond) {
    startAll();
    connect();
    ASSERT_TRUE(runUntil([&] { return keepAlivePairs() >= 3; }, 6s));
    EXPECT_EQ(store().records.ai.get(), 1);
    EXPECT_EQ(store().records.ps.get(), 1);
}

TEST_F(LinkBehaviour, IdentifiedAgainDuringTheReadStartsItOverWithOneTimer) {
    startAll();
    connect();
    ASSERT_TRUE(runUntil([&] { return count(toRadio(), "NA1;") == 1; }));
    postCommand(req::START_INITIAL_READ);
    // The read starts over from its first position: "RT;" again, then the rest in order.
    ASSERT_TRUE(runUntil([&] { return count(toRadio(), "NA1;") == 2; }));
    const auto sent = toRadio();
    const size_t again = nth(sent, "RT;", 1);
    ASSERT_LT(again, sent.size());
    EXPECT_EQ(sent[again + 1], "XT;");
    EXPECT_LT(again, nth(sent, "NA1;", 1));
    EXPECT_TRUE(host.isTimerActive(timer::INITIAL_READ));
    EXPECT_EQ(count(sent, "EX001;"), 0u);
}

TEST_F(LinkBehaviour, TheComKeySwitchesAutoInformationOffAndOnAgain) {
    startAll();
    connect();
    pressComKey();
    // The command thread stops the read after the AI answer: wait for all of it.
    ASSERT_TRUE(runUntil([&] {
        return store().records.ai.get() == 0 && !host.isTimerActive(timer::INITIAL_READ) &&
               !store().windowFlags.readBusy.load();
    }));
    // When the radio's answer is slow the switch completes the off on its own side (a "AI0" of
    // its own for the analysis) after the state above: a rotator read queued behind it, and its
    // answer analysed, shows that both threads are done with the switch before it is pressed
    // again.
    radio->frontPanel([](sim::RadioModel& m) { m.rotator.direction = 123; });
    postCommand(req::ROTATOR_READ);
    ASSERT_TRUE(runUntil([&] { return store().records.roFirst.get() == 123; }));
    auto sent = toRadio();
    EXPECT_EQ(count(sent, "AI0;"), 2u);  // the port's open, then the COM key
    EXPECT_EQ(sent[nth(sent, "AI0;", 1) + 1], "AI;");

    pressComKey();
    ASSERT_TRUE(runUntil([&] {
        return count(toRadio(), "ID;") >= 2 && host.isTimerActive(timer::INITIAL_READ) &&
               store().records.ai.get() == 1;
    }));
}

TEST_F(LinkBehaviour, PowerOffResetsTheMetersAndPowerOnBringsTheLinkBack) {
    sim::SimOptions options;
    options.powerOnDelayMs = 200;
    startAll(options);
    connect();
    // The switch goes by the power state the program knows: wait for the keep-alive to ask.
    ASSERT_TRUE(runUntil([&] { return store().records.ps.get() == 1; }));
    postCommand(req::POWER_SWITCH);
    // The analysis thread stores PS and then resets the meter; the command thread stops the read.
    ASSERT_TRUE(runUntil([&] {
        return store().records.ps.get() == 0 && store().records.rm.get() == 0 &&
               !host.isTimerActive(timer::INITIAL_READ);
    }));
    EXPECT_FALSE(radio->powerOn());
    auto sent = toRadio();
    const size_t off = nth(sent, "PS0;", 0);
    ASSERT_LT(off, sent.size());
    EXPECT_TRUE(runUntil([&] { return count(toRadio(), "PS;") >= 2; }));

    postCommand(req::POWER_SWITCH);
    ASSERT_TRUE(runUntil([&] { return store().records.ps.get() == 1; }, 10s));
    // The radio is asked to resume auto-information and identifies itself again.
    ASSERT_TRUE(runUntil([&] { return count(toRadio(), "ID;") == 2; }, 10s));
    EXPECT_EQ(store().records.ai.get(), 1);
    sent = toRadio();
    EXPECT_EQ(count(sent, "PS1;"), 2u);
    EXPECT_TRUE(radio->powerOn());
}

TEST_F(LinkBehaviour, AWrongRadioShowsString111AndSwitchesTheLinkOff) {
    sim::SimOptions options;
    options.identification = "0361";
    startAll(options);
    pressComKey();
    ASSERT_TRUE(runUntil([&] {
        return !recorder.failures.empty() && recorder.failures.back() == string_id::kConnectFailed;
    }));
    ASSERT_TRUE(runUntil([&] { return store().records.ai.get() == 0; }));
    const auto sent = toRadio();
    EXPECT_GT(nth(sent, "AI0;", 1), nth(sent, "ID;", 0));
    EXPECT_FALSE(host.isTimerActive(timer::INITIAL_READ));
    EXPECT_EQ(count(sent, "RT;"), 0u) << "no read of a radio that is not ours";
}

TEST_F(LinkBehaviour, ASilentRadioTimesOutResetsTheMetersAndStopsTheReads) {
    startAll();
    connect();
    radio->silenceFor(0);  // no silence yet; the next call makes it last
    radio->silenceFor(3600000);
    store().records.rm.set(120);
    store().records.sm[1].set(80);
    // The analysis thread stores AI and then resets the meters; the command thread then stops
    // the reads, their timers before read-busy: wait for the whole stopped state at once.
    EXPECT_TRUE(runUntil(
        [&] {
            return store().records.ai.get() == 0 && store().records.rm.get() == 0 &&
                   store().records.sm[1].get() == 0 && !host.isTimerActive(timer::INITIAL_READ) &&
                   !host.isTimerActive(timer::MENU_READ) && !store().windowFlags.readBusy.load();
        },
        10s));
}

// Unplugged and plugged in again, or silent for longer than the watchdog: the link closes, waits
// for the device and the radio, and comes up again by itself with a new identification and read,
// with nothing pressed, auto-information asked for first; the operator's settings stay.
TEST_F(LinkBehaviour, ALostLinkComesBackByItselfWhenTheRadioDoes) {
    startAll();
    connect();
    ASSERT_TRUE(app->port().SetBaudRate(9600));
    transport->disconnect();
    transport->stop();
    ASSERT_TRUE(runUntil([&] { return recorder.linkLosses == 1; }, 10s));
    startTransport();  // plugged in again, under the same name
    ASSERT_TRUE(runUntil(
        [&] {
            return recorder.linkRestorations == 1 && store().records.id.get() == 362 &&
                   host.isTimerActive(timer::INITIAL_READ);
        },
        10s));
    EXPECT_EQ(toRadio().front(), "AI1;");
    EXPECT_GE(count(toRadio(), "ID;"), 1u);
    EXPECT_EQ(app->port().GetBaudRate(), 9600);
}

// A radio that does not identify itself at first - off, or refusing while it starts - is asked
// again every few seconds, and connects by itself once it answers. Only a radio that sends
// nothing at all is reported as not answering.
struct LateRadio {
    const char* name;
    void (*apply)(sim::FaultPlan&);
    bool silent;
};
const LateRadio kLateRadios[] = {
    {"silent", [](sim::FaultPlan& f) { f.silenceAfterCommands = 0; }, true},
    {"refusing its identification", [](sim::FaultPlan& f) { f.refuseIdentifications = 2; }, false},
};

TEST_F(LinkBehaviour, ARadioThatDoesNotIdentifyIsAskedAgainUntilItDoes) {
    for (const LateRadio& late : kLateRadios) {
        SCOPED_TRACE(late.name);
        sim::SimOptions options;
        late.apply(options.faults);
        startAll(options);
        pressComKey();
        if (late.silent) {
            ASSERT_TRUE(runUntil([&] { return recorder.silences.size() == 1; }, 6s));
            EXPECT_NE(recorder.silences[0].find("no answer from the radio on COM1 (" + link),
                      std::string::npos);
            EXPECT_NE(recorder.silences[0].find("at 4800 bps"), std::string::npos);
            radio->silenceFor(0);  // switched on
        }
        ASSERT_TRUE(runUntil(
            [&] {
                return store().records.id.get() == 362 && host.isTimerActive(timer::INITIAL_READ);
            },
            15s));
        EXPECT_GE(count(toRadio(), late.silent ? "AI1;" : "ID;"), 2u);
        EXPECT_EQ(recorder.silences.empty(), !late.silent);
        app->shutdown();
        app.reset();
        transport->stop();
        recorder.silences.clear();
    }
}

TEST_F(LinkBehaviour, ShutdownWhileTheRadioIsSilentEndsEveryThreadAndWritesTheSettings) {
    startAll();
    connect();
    radio->silenceFor(3600000);
    const auto settings = base / "CommoFiles" / "CommSetting.csv";
    std::filesystem::remove(settings);
    const ShutdownReport report = app->shutdown();
    for (const auto& t : report.threads) {
        EXPECT_TRUE(t.ended) << t.name;
        RecordProperty(std::string(t.name) + "_us", std::to_string(t.took.count()));
    }
    EXPECT_TRUE(report.settingsSaved);
    std::ifstream in(settings);
    const std::string text{std::istreambuf_iterator<char>(in), {}};
    EXPECT_EQ(text, "1,4800,0\n");
    EXPECT_FALSE(app->port().IsPortOpen());
    EXPECT_EQ(store().threads.Anl_Send_Thread.load(), nullptr);
}

}  // namespace
}  // namespace velmora
