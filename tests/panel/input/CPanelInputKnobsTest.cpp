// Dials, multi-function knobs, value knobs, the switch and the frequency digits.
#include <cmath>

#include "panel/input/KnobTable.h"
#include "panel/input/KnobTurn.h"
#include "panel/input/PanelInputFixture.h"

namespace velmora::test {
namespace {

using Posts = std::vector<std::pair<uint32_t, intptr_t>>;

constexpr PanelPoint kDialCentre{516, 220};

// The nearest point (from 12 pixels out) whose angle around centre is exactly angle.
PanelPoint pointAtAngle(PanelPoint centre, int angle) {
    const double t = angle * 3.14159265358979 / 180;
    for (int r = 12; r < 400; ++r) {
        const PanelPoint p{centre.x + static_cast<int>(std::lround(r * std::sin(t))),
                           centre.y - static_cast<int>(std::lround(r * std::cos(t)))};
        if (angleAround(p, centre) == angle) return p;
    }
    ADD_FAILURE() << "no point at " << angle;
    return centre;
}
PanelPoint dialAt(int angle) {
    return pointAtAngle(kDialCentre, angle);
}

struct TurnCase {
    int32_t last, now;
    bool clamped;
    int32_t steps, accumulated;
};

TEST(KnobTurn, StepsAreWholeSevenDegreesTheShortWayRound) {
    const TurnCase cases[] = {
        {0, 20, false, 2, 0},    // the 6 degrees left over are dropped
        {359, 3, false, 0, 4},   // across twelve o'clock
        {3, 359, false, 0, -4},  //
        {350, 10, false, 2, 0},  //
        {0, 90, true, 9, 0},     // a multi-function knob: at most 9 per tick
        {90, 0, true, -9, 0},
    };
    for (const TurnCase& c : cases) {
        KnobTurn knob;
        int32_t last = c.last;
        const int32_t steps =
            c.clamped ? DeltaStepsClamped(knob, last, c.now) : DeltaSteps(knob, last, c.now);
        EXPECT_EQ(steps, c.steps) << c.last << " -> " << c.now;
        EXPECT_EQ(knob.accumulated, c.accumulated) << c.last << " -> " << c.now;
        EXPECT_EQ(last, c.now);
    }
}

using CPanelInputKnobs = PanelInputFixture;

TEST_F(CPanelInputKnobs, ADragSendsItsStepsEveryTickAndTheRestWhenItEnds) {
    linkReady();
    leftDown(dialAt(0));
    EXPECT_EQ(window.timers(),
              (std::map<int, int>{{timer::PANEL_TRACK, 30}, {timer::DRAG_SEND, 30}}));
    host.cursor = dialAt(20);
    input.OnTimer(timer::PANEL_TRACK);
    input.OnTimer(timer::DRAG_SEND);
    host.cursor = dialAt(34);
    input.OnTimer(timer::PANEL_TRACK);
    leftUp();
    EXPECT_EQ(actions(), (Posts{{req::DIAL_STEP_0, 2}, {req::DIAL_STEP_0, 2}}));
    EXPECT_EQ(notices(notice::MAIN_DIAL), (std::vector<uintptr_t>{0, 20, 34}));
    EXPECT_TRUE(window.timers().empty());
    EXPECT_TRUE(input.isIdle());
}

TEST_F(CPanelInputKnobs, AMultiFunctionKnobTurnedAQuarterInOneTickSendsNine) {
    linkReady();
    store->records.kcValue[kMain][0].set(1);  // SHIFT: code 222
    const PanelPoint start{837, 270};
    const int32_t angle = angleAround(start, kMainKnobPlace.angleCentre);
    leftDown(start);
    host.cursor = pointAtAngle(kMainKnobPlace.angleCentre, (angle + 90) % 360);
    input.OnTimer(timer::PANEL_TRACK);
    input.OnTimer(timer::DRAG_SEND);
    EXPECT_EQ(actions(), (Posts{{req::DIAL_STEP_2, 9}}));
}

TEST_F(CPanelInputKnobs, EachWheelNotchOverTheDialIsExactlyOneStepGatheredPerCommandSlot) {
    leftDown(dialAt(0));  // a drag leaves 6 degrees over and the dial at 6; nothing is sent yet
    host.cursor = dialAt(6);
    input.OnTimer(timer::PANEL_TRACK);
    leftUp();
    EXPECT_TRUE(thread.posts().empty());
    linkReady();
    input.OnMouseWheel(0, -120, kDialCentre.x, kDialCentre.y);  // 6 -> 359: out at once
    for (int i = 0; i < 5; ++i) input.OnMouseWheel(0, 120, kDialCentre.x, kDialCentre.y);
    input.OnMouseWheel(0, 0, kDialCentre.x, kDialCentre.y);  // no notch
    EXPECT_EQ(actions(), (Posts{{req::DIAL_STEP_0, -1}}));
    const auto angles = notices(notice::MAIN_DIAL);
    EXPECT_EQ(std::vector<uintptr_t>(angles.end() - 6, angles.end()),
              (std::vector<uintptr_t>{359, 6, 13, 20, 27, 34}));
    // The slot's end sends the five notches together; the next, with nothing gathered, stops.
    input.OnTimer(timer::WHEEL_SEND);
    input.OnTimer(timer::WHEEL_SEND);
    EXPECT_EQ(actions(), (Posts{{req::DIAL_STEP_0, -1}, {req::DIAL_STEP_0, 5}}));
    EXPECT_FALSE(window.timerRunning(timer::WHEEL_SEND));
}

TEST_F(CPanelInputKnobs, AWheelNotchUpFrom353WrapsToZero) {
    linkReady();
    leftDown(dialAt(353));
    leftUp();
    input.OnMouseWheel(0, 120, kDialCentre.x, kDialCentre.y);
    EXPECT_EQ(actions(), (Posts{{req::DIAL_STEP_0, 1}}));
    EXPECT_EQ(notices(notice::MAIN_DIAL).back(), 0u);
}

constexpr PanelPoint kKeySpeed{117, 283};  // 108, inner circle
constexpr PanelPoint kAfGainSub{260, 283};

TEST_F(CPanelInputKnobs, AHeldValueKnobRepeatsAfterOneSecondThenEvery200Ms) {
    linkReady();
    store->records.ks.set(30);
    leftDown(kKeySpeed);
    EXPECT_EQ(window.sends().back(), (WindowMessage{notice::LABEL_REGION, 1, 2}));
    EXPECT_EQ(window.timers().at(timer::KNOB_REPEAT), 1000);
    input.OnTimer(timer::KNOB_REPEAT);
    EXPECT_EQ(window.timers().at(timer::KNOB_REPEAT), 200);
    store->records.ks.set(27);  // the radio's answer
    input.OnTimer(timer::KNOB_REPEAT);
    leftUp();  // the repeat was the whole action
    host.rightHeld = true;
    input.OnRButtonDown(mouse_flag::RIGHT, 500, 10);
    host.rightHeld = false;
    input.OnRButtonUp(0, 500, 10);
    EXPECT_EQ(actions(), (Posts{{req::KS_VALUE, 27}, {req::KS_VALUE, 24}, {req::KS_VALUE, 28}}));
    EXPECT_FALSE(window.timerRunning(timer::KNOB_REPEAT));
    EXPECT_EQ(input.activeCode(), 108);
}

TEST_F(CPanelInputKnobs, AWheelNotchOnKeySpeedAtSixStopsAtFour) {
    linkReady();
    store->records.ks.set(6);
    click(kKeySpeed);
    input.OnMouseWheel(0, -120, 0, 0);
    EXPECT_EQ(actions(), (Posts{{req::KS_VALUE, 5}, {req::KS_VALUE, 4}}));
}

TEST_F(CPanelInputKnobs, TheSubGainKnobStepsFromTheSubReceiversValue) {
    linkReady();
    store->records.ag[kSub].set(100);
    store->records.ag[kMain].set(50);
    click(kAfGainSub);
    EXPECT_EQ(actions(), (Posts{{req::AG_1_VALUE, 99}}));
    EXPECT_EQ(input.controlAt(kAfGainSub).tooltip, "AF GAIN (SUB) 100");
}

struct ControlCase {
    PanelPoint p;
    ControlKind kind;
    int32_t code;
    const char* tooltip;
};

TEST_F(CPanelInputKnobs, ZonesComeBeforeKnobsAndEachKnobAnswersWithItsName) {
    store->records.kcValue[kSub][0].set(3);  // contour, or APF in CW with the state 0 or 2
    store->records.md[kSub].set(3);
    const ControlCase cases[] = {
        {{30, 160}, ControlKind::Key, 3, "DIM"},
        {{128, 215}, ControlKind::Switch, 93, "METER"},
        {{200, 215}, ControlKind::Knob, 106, "MONI LEVEL 0"},  // inner circle first
        {{200, 240}, ControlKind::Knob, 107, "PROC LEVEL 0"},  // then the outer one
        {{117, 283}, ControlKind::Knob, 108, "KEY SPEED 4"},
        {{516, 220}, ControlKind::Dial, 102, "MAIN DIAL"},
        {{575, 281}, ControlKind::Key, 53, "MENU"},
        {{716, 270}, ControlKind::Dial, 104, "CLAR"},  // the assignment starts at 8
        {{956, 270}, ControlKind::Knob, 233, "APF (SUB)"},
        {{630, 50}, ControlKind::Digit, 200, "VFO-A DIGIT"},
        {{370, 140}, ControlKind::None, 0, ""},
    };
    for (const ControlCase& c : cases) {
        const ControlAt at = input.controlAt(c.p);
        EXPECT_EQ(at.kind, c.kind) << c.p.x << "," << c.p.y;
        EXPECT_EQ(at.code, c.code) << c.p.x << "," << c.p.y;
        EXPECT_EQ(at.tooltip, c.tooltip) << c.p.x << "," << c.p.y;
    }
}

struct DigitCase {
    const char* name;
    PanelPoint digit;
    int32_t frequency;
    int delta;
    Posts posted;
};

class CPanelInputDigits : public PanelInputFixture,
                          public ::testing::WithParamInterface<DigitCase> {};

TEST_P(CPanelInputDigits, TheWheelTunesTheSelectedDigitWithinTheRadiosRange) {
    const DigitCase& c = GetParam();
    linkReady();
    store->panel.vfoA.set(c.frequency);
    click(c.digit);
    input.OnMouseWheel(0, c.delta, 0, 0);
    EXPECT_EQ(actions(), c.posted);
}

INSTANTIATE_TEST_SUITE_P(
    Digits, CPanelInputDigits,
    ::testing::Values(
        DigitCase{"TenMHzUpClampsToTop", {485, 50}, 55000000, 120, {{req::FREQUENCY_A, 60000000}}},
        DigitCase{"OneMHzUpAboveTopSendsNothing", {505, 50}, 59500000, 120, {}},
        DigitCase{"OneHzDown", {630, 50}, 7074000, -120, {{req::FREQUENCY_A, 7073999}}},
        DigitCase{"BelowBottomSendsNothing", {630, 50}, 30000, -120, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CPanelInputKnobs, BeforeTheInitialReadKnobsSwitchAndDigitsSelectButSendNothing) {
    store->records.ai.set(1);
    store->panel.vfoA.set(7000000);
    click(kKeySpeed);
    input.OnMouseWheel(0, 120, 0, 0);
    click({128, 215});  // the switch
    click({630, 50});   // a digit
    input.OnMouseWheel(0, 120, 0, 0);
    click({630, 50});
    leftDown(dialAt(0));
    host.cursor = dialAt(30);
    input.OnTimer(timer::PANEL_TRACK);
    leftUp();
    EXPECT_TRUE(thread.posts().empty());
    EXPECT_EQ(notices(notice::LABEL_REGION), (std::vector<uintptr_t>{1, 0}));
    EXPECT_EQ(notices(notice::CURSOR_A), (std::vector<uintptr_t>{1, 0}));
    click({30, 160});  // a key still works
    EXPECT_EQ(thread.postedIds(), (std::vector<uint32_t>{req::DS_TOGGLE}));
}

TEST_F(CPanelInputKnobs, AClarKnobWithoutAssignmentIsAHitThatDoesNothing) {
    linkReady();
    store->records.sf.set(5);
    click({716, 270});
    input.OnMouseWheel(0, 120, 716, 270);
    EXPECT_TRUE(thread.posts().empty());
    EXPECT_TRUE(window.sends().empty());
    EXPECT_TRUE(input.isIdle());
}

}  // namespace
}  // namespace velmora::test
