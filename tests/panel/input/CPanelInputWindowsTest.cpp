// The modeless windows: opening, closing, the menu bar, VFO SET's keypad and the relays.
#include "panel/input/PanelInputFixture.h"
#include "resources/StringTable.h"

namespace velmora::test {
namespace {

constexpr PanelPoint kDim{30, 160};
constexpr PanelPoint kEnter{750, 100};
constexpr PanelPoint kKeypad1{670, 30};  // "1"
constexpr PanelPoint kDial{516, 220};

using CPanelInputWindows = PanelInputFixture;

TEST_F(CPanelInputWindows, AnOpenWindowTakesThePanelAndTheMenuBarUntilItCloses) {
    linkReady();
    input.OnMenuCommand(menu_item::ROTATOR);
    EXPECT_TRUE(input.windowOpen(PanelWindow::Rotator));
    EXPECT_FALSE(host.menuEnabled);
    EXPECT_TRUE(window.timerRunning(timer::ROTATOR_READ));
    EXPECT_EQ(thread.postedIds(), (std::vector<uint32_t>{req::ROTATOR_READ}));

    click(kDim);
    click(kDial);
    EXPECT_EQ(input.controlAt(kDial).kind, ControlKind::None);
    EXPECT_EQ(host.focused, (std::vector<PanelWindow>{PanelWindow::Rotator, PanelWindow::Rotator}));
    EXPECT_EQ(thread.posts().size(), 1u);
    EXPECT_TRUE(window.sends().empty());

    EXPECT_TRUE(input.onWindowMessage(notice::ROTATOR_CLOSED, 0, 0));
    EXPECT_TRUE(host.menuEnabled);
    EXPECT_FALSE(window.timerRunning(timer::ROTATOR_READ));
    EXPECT_EQ(input.controlAt(kDial).kind, ControlKind::Dial);
    EXPECT_TRUE(input.isIdle());
}

TEST_F(CPanelInputWindows, AWindowThisProgramLacksIsNotCountedOpen) {
    host.missing = true;
    input.OnMenuCommand(menu_item::CW);
    EXPECT_FALSE(input.anyWindowOpen());
    EXPECT_TRUE(host.menuEnabled);
}

struct VfoSetCase {
    const char* name;
    uintptr_t hz;  // VFO SET's result
    bool sub;
    std::vector<uint32_t> posted;
};

class CPanelInputVfoSet : public PanelInputFixture,
                          public ::testing::WithParamInterface<VfoSetCase> {};

TEST_P(CPanelInputVfoSet, TheResultGoesToTheTargetOfTheOpeningAndClosesTheWindow) {
    const VfoSetCase& c = GetParam();
    store->panel.subTarget.set(c.sub ? 1 : 0);
    click(kEnter);
    ASSERT_TRUE(input.windowOpen(PanelWindow::VfoSet));
    store->panel.subTarget.set(c.sub ? 0 : 1);  // the target at opening counts
    click(kKeypad1);
    click(kEnter);
    EXPECT_EQ(host.vfoText, "1");
    EXPECT_EQ(host.vfoEnters, 1);
    EXPECT_TRUE(thread.posts().empty());
    EXPECT_TRUE(input.onWindowMessage(notice::VFO_SET_RESULT, c.hz, 0));
    EXPECT_EQ(thread.postedIds(), c.posted);
    EXPECT_FALSE(input.windowOpen(PanelWindow::VfoSet));
    if (!c.posted.empty()) {
        EXPECT_EQ(thread.posts()[0].lParam, static_cast<intptr_t>(c.hz));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Results, CPanelInputVfoSet,
    ::testing::Values(VfoSetCase{"LowestToMain", 30000, false, {req::FREQUENCY_A}},
                      VfoSetCase{"HighestToSub", 60000000, true, {req::FREQUENCY_B}},
                      VfoSetCase{"CancelledSendsNothing", 0, false, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CPanelInputWindows, RadioNotificationsGoToTheWindowsThatFollowThem) {
    input.OnMenuCommand(menu_item::PLAYBACK);
    EXPECT_TRUE(input.onWindowMessage(notify::RI, 0, 0));
    EXPECT_TRUE(input.onWindowMessage(notify::AI, 0, 0));
    EXPECT_FALSE(input.onWindowMessage(notify::FA, 0, 0));
    EXPECT_EQ(host.relayed,
              (std::vector<std::pair<PanelWindow, uint32_t>>{{PanelWindow::Playback, notify::RI},
                                                             {PanelWindow::Playback, notify::AI}}));
}

TEST_F(CPanelInputWindows, AMenuAnswerWhileMenuListIsOpenGoesToItWithoutABox) {
    click({600, 290});  // MENU
    EXPECT_EQ(host.waitWindows, 1);
    ASSERT_TRUE(input.windowOpen(PanelWindow::MenuList));
    EXPECT_TRUE(input.onWindowMessage(notify::EX, 0, 0));
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(host.relayed,
              (std::vector<std::pair<PanelWindow, uint32_t>>{{PanelWindow::MenuList, notify::EX}}));
    EXPECT_EQ(notices(notice::MENU_KEY), (std::vector<uintptr_t>{1, 0}));
}

TEST_F(CPanelInputWindows, TheConnectionNoticeGivesUpAfterFiveSecondsOrClosesOnLinkUp) {
    click({30, 95});  // COM while the link is down
    EXPECT_TRUE(input.windowOpen(PanelWindow::ConnectionNotice));
    EXPECT_EQ(window.timers().at(timer::CONNECT_TIMEOUT), 5000);
    input.OnTimer(timer::CONNECT_TIMEOUT);
    EXPECT_FALSE(input.anyWindowOpen());
    EXPECT_EQ(host.messages, (std::vector<int>{string_id::kConnectFailed}));

    click({30, 95});
    input.onWindowMessage(msg::WM_AI_SWITCHED_ON, 0, 0);
    EXPECT_FALSE(input.anyWindowOpen());
    EXPECT_FALSE(window.timerRunning(timer::CONNECT_TIMEOUT));
    EXPECT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(thread.postedIds(), (std::vector<uint32_t>{req::COMM_SWITCH, req::COMM_SWITCH}));
}

TEST_F(CPanelInputWindows, ExitClosesTheProgramThroughTheMainWindow) {
    input.OnMenuCommand(menu_item::EXIT);
    EXPECT_EQ(window.sends(), (std::vector<WindowMessage>{{notice::EXIT, 0, 0}}));
}

}  // namespace
}  // namespace velmora::test
