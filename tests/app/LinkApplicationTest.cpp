// The application shell's own rules, without a radio: the failure texts and the one-box rule,
// the main window's timers, the watchdog's decision applied, power events, the traffic log and
// the command line.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "app/CommFailureHandler.h"
#include "app/ConsoleReporter.h"
#include "app/FailurePresenter.h"
#include "app/HeadlessOptions.h"
#include "app/HeadlessProgram.h"
#include "app/LinkApplication.h"
#include "app/TrafficLog.h"
#include "link/MessageIds.h"
#include "link/RadioStateStore.h"
#include "resources/FailureTexts.h"
#include "support/FakeThreadHandle.h"
#include "support/FakeWindowHost.h"

namespace velmora {
namespace {

// Shows a box; while it is open a second failure may arrive (the box's own event loop).
class BoxPresenter : public FailurePresenter {
  public:
    void showFailure(int stringId, std::string_view text) override {
        shown.push_back(stringId);
        texts.emplace_back(text);
        if (whileOpen) std::exchange(whileOpen, nullptr)();
    }
    std::vector<int> shown;
    std::vector<std::string> texts;
    std::function<void()> whileOpen;
};

// The texts themselves are data; the exit path below checks one on its way out.
TEST(StringTable, EveryIdOfTheRangeHasAText) {
    for (int id = kFirstStringId; id <= kLastStringId; ++id) EXPECT_FALSE(stringText(id).empty());
    EXPECT_TRUE(stringText(100).empty());
    EXPECT_TRUE(stringText(kLastStringId + 1).empty());
}

TEST(CommFailure, ABurstShowsOneBoxAndTheFlagHoldsWhileItIsOpen) {
    MainWindowFlags flags;
    BoxPresenter box;
    CommFailureHandler handler(flags, box);
    bool flagWhileOpen = false, secondShown = true;
    box.whileOpen = [&] {
        flagWhileOpen = flags.messageBoxOpen.load();
        secondShown = handler.handle(0, failure::kPortOpen);
    };
    EXPECT_TRUE(handler.handle(0, failure::kPortOpen));
    EXPECT_TRUE(flagWhileOpen);
    EXPECT_FALSE(secondShown);
    EXPECT_FALSE(flags.messageBoxOpen.load());
    EXPECT_EQ(box.shown, std::vector<int>{106});
    EXPECT_EQ(box.texts[0], stringText(106));
}

TEST(CommFailure, WParamAlwaysShowsAndADisabledOrUnknownEntryNever) {
    MainWindowFlags flags;
    BoxPresenter box;
    CommFailureHandler handler(flags, box);
    flags.messageBoxOpen = true;
    EXPECT_TRUE(handler.handle(1, failure::kConnect));
    EXPECT_FALSE(handler.handle(0, failure::kConnect));
    EXPECT_FALSE(handler.handle(1, failure::kMenuFile));
    EXPECT_FALSE(handler.handle(1, 7));
    EXPECT_FALSE(handler.handle(1, -1));
    EXPECT_EQ(box.shown, std::vector<int>{111});
}

class Shell : public ::testing::Test {
  protected:
    Shell() {
        store().threads.Anl_Send_Thread.store(&commandThread);
        store().threads.Anl_Recv_Thread.store(&analysisThread);
    }
    ~Shell() override {
        store().threads.Anl_Send_Thread.store(nullptr);
        store().threads.Anl_Recv_Thread.store(nullptr);
    }
    RadioStateStore& store() { return app.store(); }

    test::FakeWindowHost window;
    BoxPresenter box;
    LinkApplication app{window, box, {".", "", false, nullptr}};
    test::FakeThreadHandle commandThread, analysisThread;
};

TEST_F(Shell, TimersBecomeRequestsToTheCommandThread) {
    for (int id : {4, 5, 8, 23, 24, 25, 1, 13}) app.onTimer(id);
    EXPECT_EQ(
        commandThread.postedIds(),
        (std::vector<uint32_t>{req::INITIAL_READ_STEP, req::MENU_READ_STEP, req::KEEP_ALIVE,
                               req::POWER_ON_READ, req::POWER_OFF_READ, req::MEMORY_TEXT_STEP}));
    // Timer 20 asks for the rotator only while the port is usable; it is closed here.
    app.onTimer(timer::ROTATOR_READ);
    EXPECT_EQ(commandThread.postedIds().size(), 6u);
}

TEST_F(Shell, TheWatchdogTimesOutAPendingAnswerAndAClosedPort) {
    store().link.answerPending = true;
    app.onTimer(timer::ANSWER_WATCHDOG);
    EXPECT_FALSE(store().link.answerPending.load());
    EXPECT_EQ(analysisThread.postedIds(), std::vector<uint32_t>{msg::WM_ANSWER_TIMEOUT});
    app.onTimer(timer::ANSWER_WATCHDOG);  // nothing pending, but no port either
    EXPECT_EQ(analysisThread.postedIds().size(), 2u);
}

TEST_F(Shell, OnlyTheSuspendAndResumeEventsClosePort) {
    for (int code : {0, 2, 4, 6, 7, 9, 10, 11, 18}) EXPECT_TRUE(powerEventClosesPort(code));
    for (int code : {1, 3, 5, 8, 12, 17, 32787}) EXPECT_FALSE(powerEventClosesPort(code));
}

TEST(TrafficLog, OneLinePerCommandAndPerAnswerWithEscapes) {
    const std::string path = ::testing::TempDir() + "velmora-traffic.log";
    {
        TrafficLog log;
        ASSERT_TRUE(log.open(path));
        log.bytesWritten("FA;");
        log.bytesRead("FA0719");
        log.bytesRead("5000;\x01\\\xff?");
        log.bytesRead(";AI");
        log.deviceClosed();
    }
    std::ifstream in(path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line.substr(line.find(' ') + 1));
    EXPECT_EQ(lines, (std::vector<std::string>{"TX FA;", "RX FA07195000;", "RX \\x01\\x5C\\xFF?;",
                                               "RX AI"}));
}

TEST(HeadlessOptions, SimulateImpliesConnectAndBadInputIsRefused) {
    const char* args[] = {"velmora", "--headless", "--simulate", "--log",
                          "x.log",   "--duration", "250"};
    auto o = parseHeadlessOptions(7, args, nullptr);
    ASSERT_TRUE(o);
    EXPECT_TRUE(o->headless && o->simulate && o->connect);
    EXPECT_EQ(o->logFile, "x.log");
    EXPECT_EQ(o->durationMs, 250);
    const std::vector<std::vector<const char*>> bad = {
        {"velmora", "--duration", "soon"},
        // Past the longest sane run, or past what a long holds: never a run that ends at once.
        {"velmora", "--duration", "9223372036854"},
        {"velmora", "--duration", "99999999999999999999999"},
        {"velmora", "--duration", "604800001"},
        {"velmora", "--simulate", "--port", "/dev/ttyS0"},
        {"velmora", "--port"},
    };
    for (const auto& args : bad) {
        std::string error;
        EXPECT_FALSE(parseHeadlessOptions(static_cast<int>(args.size()), args.data(), &error))
            << args.back();
        EXPECT_FALSE(error.empty());
    }
    const char* week[] = {"velmora", "--duration", "604800000"};
    ASSERT_TRUE(parseHeadlessOptions(3, week, nullptr));
}

// A headless run on a port that is not there, changed by setUp: its exit code and the first line
// it wrote to stderr.
std::pair<int, std::string> runWithoutPort(const std::function<void(HeadlessOptions&)>& setUp) {
    HeadlessOptions o;
    o.headless = o.quiet = true;
    o.port = "/nonexistent/velmora-no-such-tty";
    o.configDir = ::testing::TempDir() + "velmora-headless-settings";
    setUp(o);
    std::FILE* out = std::tmpfile();
    std::FILE* err = std::tmpfile();
    std::atomic<bool> stop{false};
    const int code = runHeadless(o, out, err, stop);
    std::rewind(err);
    char text[256] = {};
    std::fgets(text, sizeof text, err);
    std::fclose(out);
    std::fclose(err);
    return {code, text};
}

// What a run writes only at its end is checked at its start; what it writes as it goes says
// when a write failed.
TEST(HeadlessProgram, AnUnwritableDumpPathEndsTheRunAtOnceAndAFullDiskIsReported) {
    EXPECT_EQ(runWithoutPort(
                  [](HeadlessOptions& o) { o.dumpStateFile = "/nonexistent/folder/dump.json"; }),
              std::pair(1, std::string("velmora: cannot write /nonexistent/folder/dump.json: No "
                                       "such file or directory\n")));

    TrafficLog log;
    ASSERT_TRUE(log.open("/dev/full"));
    EXPECT_EQ(log.writeError(), "");
    log.bytesWritten("FA;");
    EXPECT_EQ(log.writeError(), "No space left on device");
}

// A failing radio repeats the same failure many times a second: the console prints it once and
// then how often it came, and says when the port closed and auto-information went off.
TEST(ConsoleReporter, RepeatsAreCollapsedAndLinkStateChangesReported) {
    std::FILE* out = std::tmpfile();
    ConsoleReporter console(out);
    for (int i = 0; i < 140; ++i) console.showFailure(106, "Failed to open the port.");
    console.portClosed();
    console.autoInformationOff();
    console.autoInformationOff();
    console.flush();
    std::rewind(out);
    std::vector<std::string> lines;
    for (char line[256]; std::fgets(line, sizeof line, out);) lines.emplace_back(line);
    std::fclose(out);
    EXPECT_EQ(lines, (std::vector<std::string>{
                         "failure 106: Failed to open the port.\n", "\u2026 repeated 139 times\n",
                         "port closed\n", "auto-information off\n", "\u2026 repeated 1 time\n"}));
}

// The port that cannot be opened is a failed link for --exit-after-read: string 106 on stderr,
// with the cause beneath it.
TEST(HeadlessProgram, ExitsWithTwoAndTheFailureTextWhenThePortCannotOpen) {
    EXPECT_EQ(runWithoutPort([](HeadlessOptions& o) { o.exitAfterRead = true; }),
              std::pair(2, std::string("Failed to open the port. / Please confirm the port "
                                       "connection. / COM1 (/nonexistent/velmora-no-such-tty): "
                                       "there is no such device\n")));
}

}  // namespace
}  // namespace velmora
