// The paced reads: the initial read of every setting, the menu read that follows it, stopping
// them, and the keyer memory texts.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "command/CommandFixture.h"
#include "command/MemoryTextRead.h"
#include "link/MessageIds.h"
#include "support/TestSupport.h"

namespace velmora {
namespace {

using test::Strings;

// What the whole initial read asks, written out from the read table of the protocol: kind-0
// codes alone, kind-2 codes for both receivers 25 ms apart, the enumerated codes with their
// selectors, PE with a pause after each; ID and AI are not asked. "~25" is a 25 ms pause.
const Strings kInitialRead = test::words(
    "RT; XT; SF; BP00; BP10; BP01; BP11; BC0; ~25 BC1; CO00; CO01; CO02; CO10; CO11; CO12; "
    "MS; NR0; ~25 NR1; FT; FR; LK; FS; VS; NA0; ~25 NA1; NB0; ~25 NB1; RF0; ~25 RF1; GT0; ~25 "
    "GT1; RA0; ~25 RA1; PA0; ~25 PA1; KR; TS; AN0; ~25 AN1; AC; DS; MX; VX; BI; PR; ML0; ~25 "
    "ML1; CS; DP; RM0; KP; KS; SD; NL0; ~25 NL1; MG; PL; VG; VD; SQ0; ~25 SQ1; AG0; ~25 AG1; "
    "RG0; ~25 RG1; IF; VF0; ~25 VF1; IS0; ~25 IS1; SH0; ~25 SH1; RL0; ~25 RL1; BY; FA; FB; "
    "RO; SC; SM0; ~25 SM1; TX; UL; CN0; ~25 CN1; CT0; ~25 CT1; KM1; KM2; KM3; KM4; KM5; MC; "
    "OI; OS0; ~25 OS1; PB0; ~25 PB1; PC; RS; MD0; ~25 MD1; PS; RI0; RI1; RI2; RI3; RI4; RI5; "
    "RI6; RI7; RI8; CW; BG0; BG1; LM0; ~25 LM1; PE000; ~25 PE001; ~25 PE002; ~25 PE010; ~25 "
    "PE011; ~25 PE012; ~25 PE020; ~25 PE021; ~25 PE022; ~25 PE200; ~25 PE201; ~25 PE202; ~25 "
    "PE210; ~25 PE211; ~25 PE212; ~25 PE220; ~25 PE221; ~25 PE222; ~25 KC500; KC501; KC502; "
    "KC503; KC504; KC505; KC506; KC507; KC510; KC511; KC512; KC513; KC514; KC515; KC516; "
    "KC517; CA0;");

class ReadSequencesTest : public test::CommandFixture {
  protected:
    // One timer-4 tick per read-table position.
    void runInitialRead() {
        for (int i = 0; i < kReadTableSize; ++i) request(req::INITIAL_READ_STEP);
    }
    void menuSteps(int n) {
        for (int i = 0; i < n; ++i) request(req::MENU_READ_STEP);
    }
    bool indicatorsOn() {
        const auto& flags = store->windowFlags.initialReadIndicators;
        return flags[0].load() && flags[1].load();
    }
    bool indicatorsOff() {
        const auto& flags = store->windowFlags.initialReadIndicators;
        return !flags[0].load() && !flags[1].load();
    }
};

TEST_F(ReadSequencesTest, TheInitialReadAsksEveryPositionInOrderWithItsPauses) {
    request(req::START_INITIAL_READ);
    EXPECT_TRUE(window.timerRunning(timer::INITIAL_READ));
    EXPECT_EQ(window.timers().at(timer::INITIAL_READ), 30);
    EXPECT_TRUE(store->windowFlags.readBusy.load());
    EXPECT_TRUE(indicatorsOn());
    EXPECT_TRUE(log().empty()) << "the start itself asks nothing";

    runInitialRead();
    EXPECT_EQ(log(), kInitialRead);
    expectOneWakePerCommand();
}

TEST_F(ReadSequencesTest, TheEndOfTheInitialReadStartsTheMenuRead) {
    request(req::START_INITIAL_READ);
    runInitialRead();
    EXPECT_FALSE(dispatcher.reads().initialReadActive());
    EXPECT_EQ(dispatcher.reads().readPosition(), 0);
    EXPECT_FALSE(window.timerRunning(timer::INITIAL_READ));
    EXPECT_TRUE(indicatorsOff());
    EXPECT_TRUE(dispatcher.reads().menuReadActive());
    EXPECT_EQ(dispatcher.reads().menuItem(), 1);
    EXPECT_TRUE(window.timerRunning(timer::MENU_READ));
    EXPECT_EQ(window.timers().at(timer::MENU_READ), 30);
    EXPECT_TRUE(store->windowFlags.readBusy.load());
}

TEST_F(ReadSequencesTest, MenuReadAsksEveryItemThenEndsOnceEveryAnswerIsIn) {
    installBuiltInMenu();
    request(req::START_MENU_READ);
    menuSteps(177);
    const Strings got = sent();
    ASSERT_EQ(got.size(), 177u);
    for (int n = 1; n <= 177; ++n) {
        char expected[8];
        std::snprintf(expected, sizeof expected, "EX%03d;", n);
        EXPECT_EQ(got[static_cast<size_t>(n - 1)], expected);
        if (n != 50) store->readLedger.answered(std::string(expected, 5) + "0");
    }
    // One answer is missing: the read waits for it, then asks for it again.
    menuSteps(kReaskSettleTicks);
    EXPECT_TRUE(dispatcher.reads().menuReadActive());
    EXPECT_TRUE(store->windowFlags.readBusy.load());
    EXPECT_TRUE(window.postedIds().empty());
    EXPECT_EQ(sent(), (Strings{"EX050;"}));
    store->readLedger.answered("EX0501");
    menuSteps(1);
    EXPECT_FALSE(dispatcher.reads().menuReadActive());
    EXPECT_EQ(dispatcher.reads().menuItem(), 1);
    EXPECT_FALSE(window.timerRunning(timer::MENU_READ));
    EXPECT_FALSE(store->windowFlags.readBusy.load());
    EXPECT_EQ(window.postedIds(),
              (std::vector<uint32_t>{notify::READS_DONE, notify::CO, notify::BP}));
}

TEST_F(ReadSequencesTest, AnAnswerThatNeverComesIsAskedThreeTimesMoreThenTheReadEndsIncomplete) {
    // A store whose menu count was never set: the count is 0, and EX001; alone is asked.
    auto fresh = std::make_unique<RadioStateStore>();
    fresh->mainWindow = &window;
    CommandDispatcher d(
        *fresh, [](int) { return true; }, nullptr);
    ASSERT_EQ(fresh->menus.count(), 0);
    d.handle(req::START_MENU_READ, 0, 0);
    int asked = 0;
    uint8_t buffer[512];
    for (int tick = 0; tick < 1 + (kReaskRounds + 1) * (kReaskSettleTicks + 1); ++tick) {
        d.handle(req::MENU_READ_STEP, 0, 0);
        for (uint16_t n; (n = fresh->sendRing.tryGet(buffer)) != CommRing::kEmpty; ++asked)
            EXPECT_EQ(std::string(reinterpret_cast<char*>(buffer), n), "EX001;");
    }
    EXPECT_EQ(asked, 1 + kReaskRounds);
    EXPECT_FALSE(d.reads().menuReadActive());
    EXPECT_FALSE(fresh->windowFlags.readBusy.load());
    ASSERT_EQ(window.posts().size(), 1u);
    EXPECT_EQ(window.posts()[0].id, msg::WM_READ_INCOMPLETE);
    EXPECT_EQ(window.posts()[0].lParam, 1);
    EXPECT_EQ(fresh->readLedger.missing(), (std::vector<std::string>{"EX001"}));
}

TEST_F(ReadSequencesTest, ALineReopenedDuringTheReadStartsItAgainFromTheIdentification) {
    request(req::START_INITIAL_READ);
    for (int i = 0; i < 5; ++i) request(req::INITIAL_READ_STEP);
    log();
    store->port.opens.fetch_add(1);
    request(req::INITIAL_READ_STEP);
    EXPECT_FALSE(dispatcher.reads().initialReadActive());
    EXPECT_TRUE(sent().empty());
    EXPECT_TRUE(store->readLedger.complete());
    EXPECT_EQ(selfThread.postedIds(), (std::vector<uint32_t>{req::IDENTIFY}));
}

TEST_F(ReadSequencesTest, ASecondMenuReadStartOnlyGoesBackToTheFirstItem) {
    installBuiltInMenu();
    request(req::START_MENU_READ);
    menuSteps(5);
    request(req::START_MENU_READ);
    EXPECT_EQ(dispatcher.reads().menuItem(), 1);
    EXPECT_EQ(window.setCount(timer::MENU_READ), 1);
}

TEST_F(ReadSequencesTest, StopReadsEndsBothReadsAndTheMemoryTextRead) {
    request(req::START_INITIAL_READ);
    for (int i = 0; i < 5; ++i) request(req::INITIAL_READ_STEP);
    store->link.memoryTextPosition = 3;
    request(req::STOP_READS);
    EXPECT_FALSE(dispatcher.reads().initialReadActive());
    EXPECT_FALSE(window.timerRunning(timer::INITIAL_READ));
    EXPECT_TRUE(indicatorsOff());
    EXPECT_EQ(store->link.memoryTextPosition.load(), 1);
    EXPECT_EQ(window.killCount(timer::MEMORY_TEXT), 1);
    // Nothing reads now, so nothing may look busy.
    EXPECT_FALSE(store->windowFlags.readBusy.load());
    log();
    // Ticks that were already queued ask nothing and start no menu read.
    runInitialRead();
    menuSteps(3);
    EXPECT_TRUE(log().empty());
    EXPECT_FALSE(dispatcher.reads().menuReadActive());
}

TEST_F(ReadSequencesTest, StoppingTheMenuReadClosesAnOpenWaitWindowAfterAPause) {
    installBuiltInMenu();
    request(req::START_MENU_READ);
    menuSteps(3);
    store->windowFlags.waitWindowOpen = true;
    log();
    request(req::STOP_READS);
    EXPECT_EQ(log(), (Strings{"~100"}));
    EXPECT_EQ(window.postedIds(), (std::vector<uint32_t>{msg::WM_WAIT_WINDOW_CLOSE}));
    EXPECT_FALSE(store->windowFlags.readBusy.load());
    EXPECT_FALSE(window.timerRunning(timer::MENU_READ));

    // Without an open wait window a stop neither pauses nor posts.
    window.clear();
    request(req::START_MENU_READ);
    store->windowFlags.waitWindowOpen = false;
    request(req::STOP_READS);
    EXPECT_TRUE(window.postedIds().empty());
    EXPECT_TRUE(log().empty());
}

class MemoryTextTest : public test::CommandFixture {};

TEST_F(MemoryTextTest, FiveTextsThenTheTimerStopsAndTheNextReadStartsAtTheFirst) {
    store->link.memoryTextPosition = 1;
    request(req::MEMORY_TEXT_READ);
    EXPECT_EQ(window.timers().at(timer::MEMORY_TEXT), 30);
    for (int i = 0; i < 6; ++i) request(req::MEMORY_TEXT_STEP);
    EXPECT_EQ(sent(), (Strings{"KM1;", "KM2;", "KM3;", "KM4;", "KM5;"}));
    EXPECT_FALSE(window.timerRunning(timer::MEMORY_TEXT));
    EXPECT_EQ(store->link.memoryTextPosition.load(), 1);
    request(req::MEMORY_TEXT_READ);
    request(req::MEMORY_TEXT_STEP);
    EXPECT_EQ(sent(), (Strings{"KM1;"}));
}

TEST_F(MemoryTextTest, APositionOutsideTheTextsSendsNothing) {
    store->link.memoryTextPosition = 0;
    request(req::MEMORY_TEXT_STEP);
    EXPECT_TRUE(sent().empty());
    EXPECT_EQ(store->link.memoryTextPosition.load(), 1);
    EXPECT_EQ(window.killCount(timer::MEMORY_TEXT), 1);
}

}  // namespace
}  // namespace velmora
