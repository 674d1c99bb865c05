// Keys of the panel: press, release, long press, step repeat and release tracking.
#include "panel/input/CPanelInput.h"
#include "panel/input/PanelInputFixture.h"

namespace velmora::test {
namespace {

constexpr PanelPoint kDim{30, 160};  // code 3: DS
constexpr PanelPoint kTxw{400, 260};
constexpr PanelPoint kOff{500, 10};  // in no region
constexpr PanelPoint kMk{800, 30};   // code 30: MK 0, with the target

using CPanelInputKeys = PanelInputFixture;

TEST_F(CPanelInputKeys, PressPostsAtOnceAndMovingOffReleasesWithoutASecondPost) {
    leftDown(kDim);
    EXPECT_EQ(actions(), (std::vector<std::pair<uint32_t, intptr_t>>{{req::DS_TOGGLE, 0}}));
    EXPECT_EQ(window.timers().at(timer::PANEL_TRACK), 100);
    input.OnTimer(timer::PANEL_TRACK);  // still on the key, still held
    EXPECT_EQ(input.activeCode(), 3);
    host.cursor = kOff;
    input.OnTimer(timer::PANEL_TRACK);
    leftUp();
    EXPECT_EQ(thread.posts().size(), 1u);
    EXPECT_EQ(notices(notice::DIM_KEY), (std::vector<uintptr_t>{1, 0}));
    EXPECT_FALSE(window.timerRunning(timer::PANEL_TRACK));
    EXPECT_TRUE(input.isIdle());
}

TEST_F(CPanelInputKeys, TxwSendsOneOnPressAndZeroOnRelease) {
    click(kTxw);
    const auto posts = thread.posts();
    ASSERT_EQ(posts.size(), 2u);
    EXPECT_EQ(posts[0], (WindowMessage{req::TS_VALUE, kActionCarriesValue, 1}));
    EXPECT_EQ(posts[1], (WindowMessage{req::TS_VALUE, kActionCarriesValue, 0}));
}

TEST_F(CPanelInputKeys, APressWhileAnotherKeyIsHeldReleasesTheHeldKeyFirst) {
    leftDown(kTxw);
    leftDown(kDim);  // the button-up of TXW was lost
    EXPECT_EQ(actions(), (std::vector<std::pair<uint32_t, intptr_t>>{
                             {req::TS_VALUE, 1}, {req::TS_VALUE, 0}, {req::DS_TOGGLE, 0}}));
    EXPECT_EQ(notices(notice::TXW_KEY), (std::vector<uintptr_t>{1, 0}));
}

TEST_F(CPanelInputKeys, TheTargetIsTheStoresSubTargetAtEachPress) {
    click(kMk);
    store->panel.subTarget.set(1);
    click(kMk);
    const auto posts = thread.posts();
    ASSERT_EQ(posts.size(), 2u);
    EXPECT_EQ(posts[0].wParam, kActionCarriesTarget);
    EXPECT_EQ(posts[1].wParam, kActionCarriesTarget | kActionSubTarget);
}

struct HoldCase {
    const char* name;
    PanelPoint at;
    int repeatTicks;  // -1: released before the long press
    // DN and UP carry no value; 56 and 57 carry the long-press flag.
    std::vector<std::pair<uint32_t, intptr_t>> posted;
};

class CPanelInputHolds : public PanelInputFixture,
                         public ::testing::WithParamInterface<HoldCase> {};

TEST_P(CPanelInputHolds, LongPressAndStepRepeatPostAndStopTheirTimers) {
    const HoldCase& c = GetParam();
    leftDown(c.at);
    EXPECT_TRUE(thread.posts().empty());  // nothing until release or one second
    EXPECT_EQ(window.timers().at(timer::LONG_PRESS), 1000);
    if (c.repeatTicks >= 0) input.OnTimer(timer::LONG_PRESS);
    for (int i = 0; i < c.repeatTicks; ++i) input.OnTimer(timer::STEP_REPEAT);
    leftUp();
    EXPECT_EQ(actions(), c.posted);
    for (const int id : {timer::LONG_PRESS, timer::STEP_REPEAT, timer::PANEL_TRACK}) {
        EXPECT_FALSE(window.timerRunning(id)) << "timer " << id;
    }
    EXPECT_EQ(input.activeCode(), 0);
}

const PanelPoint kClarGrp{680, 200}, kBandMch{715, 200}, kDown{930, 100}, kUp{980, 100};

INSTANTIATE_TEST_SUITE_P(
    Keys, CPanelInputHolds,
    ::testing::Values(
        HoldCase{"ClarGrpShort", kClarGrp, -1, {{req::SF_02_PRESS, 0}}},
        HoldCase{"ClarGrpLong", kClarGrp, 0, {{req::SF_02_PRESS, 1}}},
        HoldCase{"BandMchShort", kBandMch, -1, {{req::SF_03_PRESS, 0}}},
        HoldCase{"BandMchLong", kBandMch, 0, {{req::SF_03_PRESS, 1}}},
        HoldCase{"DownShort", kDown, -1, {{req::DN, 0}}},
        HoldCase{"DownHeld", kDown, 2, {{req::DN, 0}, {req::DN, 0}, {req::DN, 0}, {req::DN, 0}}},
        HoldCase{"UpHeld", kUp, 1, {{req::UP, 0}, {req::UP, 0}, {req::UP, 0}}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace velmora::test
