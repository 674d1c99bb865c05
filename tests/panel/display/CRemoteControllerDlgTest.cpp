// The main window's logic without a toolkit: what each message and timer reaches (the shell, the
// canvas, neither), the start-up timers and draw, and what the full repaint replays.
#include <vector>

#include "DisplayFixture.h"
#include "link/MessageIds.h"
#include "panel/display/CRemoteControllerDlg.h"
#include "panel/display/LabelRegion.h"
#include "support/FakePanelInputHost.h"

namespace velmora::test {
namespace {

class RecordingShell : public LinkShell {
  public:
    void onWindowMessage(uint32_t id, uintptr_t, intptr_t) override { messages.push_back(id); }
    void onTimer(int id) override { timers.push_back(id); }
    bool portOpen() override { return open; }
    std::string baseDirectory() const override { return "no-such-folder"; }

    std::vector<uint32_t> messages;
    std::vector<int> timers;
    bool open = false;
};

class DlgTest : public DisplayFixture {
  protected:
    DlgTest()
        : dlg(canvas, pictures, *store, timers, shell, input,
              {[this] { ++splashesClosed; }, [this] { ++closes; }, {}}) {}

    // Whether the message drew anything.
    bool draws(uint32_t id, uintptr_t wParam = 0, intptr_t lParam = 0) {
        canvas.clear();
        dlg.onMessage(id, wParam, lParam);
        return !canvas.pictures.empty() || canvas.shapes != 0;
    }

    RecordingShell shell;
    test::FakePanelInputHost input;
    CRemoteControllerDlg dlg;
    int splashesClosed = 0;
    int closes = 0;
};

TEST_F(DlgTest, EachMessageReachesTheShellTheCanvasOrNeither) {
    struct Row {
        uint32_t id;
        uintptr_t wParam;
        bool toShell, draws;
    };
    const Row rows[] = {
        {msg::WM_COMM_FAILURE, 0, true, false},
        {msg::WM_AI_SWITCHED_ON, 0, true, false},
        {notify::FA, 0, true, true},
        {notify::AI, 0, true, true},  // the COM key
        {notify::PS, 0, true, true},  // the ON/OFF key
        {notify::EX, 0, true, false},
        {notify::CA, 0, true, false},  // the panel's copy only
        {notify::RESERVED_1, 0, false, false},
        {notify::RESERVED_2, 0, true, false},  // inside the answer range: the shell ignores it
        {notice::MOX_KEY, 1, false, true},
        {notice::MAIN_DIAL, 90, false, true},
        {notice::DSP_KNOB_B + 3, 45, false, true},
        {notice::RESERVED_GROUP_0, 1, false, false},   // a key without a picture
        {notice::COM_SELECT_CLOSED, 0, false, false},  // the panel input's, not the display's
        {msg::WM_SEND_NEXT, 0, false, false},
    };
    for (const Row& r : rows) {
        shell.messages.clear();
        EXPECT_EQ(draws(r.id, r.wParam), r.draws) << std::hex << r.id;
        EXPECT_EQ(shell.messages == std::vector<uint32_t>{r.id}, r.toShell) << std::hex << r.id;
    }
    // The CA answer draws nothing, but the panel's copy follows the radio's record.
    store->records.ca.set(1);
    dlg.onMessage(notify::CA, 0, 0);
    EXPECT_EQ(store->panel.ca.get(), 1);
}

TEST_F(DlgTest, DisplayTimersStayHereAndTheLinksGoToTheShell) {
    for (int id : {timer::FREQUENCY_A, timer::FREQUENCY_B, timer::FILTER_A, timer::FILTER_B,
                   timer::RFLT_BLINK_A, timer::INITIAL_DRAW, timer::FULL_REPAINT, timer::SPLASH})
        dlg.onTimer(id);
    EXPECT_TRUE(shell.timers.empty());
    EXPECT_EQ(splashesClosed, 1);
    for (int id : {timer::RECEIVE_POLL, timer::KEEP_ALIVE, timer::ANSWER_WATCHDOG}) dlg.onTimer(id);
    EXPECT_EQ(shell.timers,
              (std::vector<int>{timer::RECEIVE_POLL, timer::KEEP_ALIVE, timer::ANSWER_WATCHDOG}));
}

TEST_F(DlgTest, StartUpRunsTheDisplayTimersAndTheInitialDrawOnce) {
    dlg.startUp(true);
    EXPECT_EQ(timers.timers(), (std::map<int, int>{{timer::FREQUENCY_A, 30},
                                                   {timer::FREQUENCY_B, 30},
                                                   {timer::INITIAL_DRAW, 10},
                                                   {timer::SPLASH, 3000},
                                                   {timer::FILTER_A, 30},
                                                   {timer::FILTER_B, 30}}));
    dlg.onTimer(timer::INITIAL_DRAW);
    EXPECT_TRUE(dlg.initialDrawDone());
    EXPECT_FALSE(timers.timerRunning(timer::INITIAL_DRAW));
    // From now on a blinking roofing filter blinks.
    EXPECT_FALSE(dlg.display().rflt().isStatic(kMain));
    EXPECT_FALSE(dlg.display().rflt().isStatic(kSub));
}

TEST_F(DlgTest, FrequencyRefreshDrawsOnlyWhatChanged) {
    dlg.onTimer(timer::FREQUENCY_A);
    canvas.clear();
    dlg.onTimer(timer::FREQUENCY_A);
    EXPECT_TRUE(canvas.pictures.empty());
    store->panel.vfoA.set(7074000);
    dlg.onTimer(timer::FREQUENCY_A);
    EXPECT_EQ(dlg.display().frequencyText(kMain), " 7074000");
}

TEST_F(DlgTest, FullRepaintReplaysTheLastLabelRegionAndDialAngle) {
    const PanelRect label = kLabelRegions[4].first;
    dlg.onMessage(notice::LABEL_REGION, 1, 4);
    dlg.onMessage(notice::MAIN_DIAL, 123, 0);
    dlg.exposed();
    dlg.exposed();
    EXPECT_EQ(timers.setCount(timer::FULL_REPAINT), 2);  // the last exposure counts
    canvas.clear();
    dlg.onTimer(timer::FULL_REPAINT);
    EXPECT_EQ(dlg.fullRepaints(), 1);
    EXPECT_FALSE(timers.timerRunning(timer::FULL_REPAINT));
    EXPECT_EQ(canvas.pictures.front().picture, picture::kBackground);
    EXPECT_EQ(canvas.lastAt(label), kLitPanelPicture);
    EXPECT_EQ(dlg.dialAngle(), 123);
}

}  // namespace
}  // namespace velmora::test
