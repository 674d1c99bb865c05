// The Rotator window: its displays, the keys held and let go, and the release it must not lose.
#include "WindowsFixture.h"
#include "windows/RotatorWindow.h"

namespace velmora::test {
namespace {

using namespace window_colour;

class Rotator : public WindowsFixture {
  protected:
    Rotator() { store->port.open = true; }
    void ticks(int n) {
        for (int i = 0; i < n; ++i) EXPECT_TRUE(rotator.onTimer(timer::ROTATOR_REPEAT));
    }
    RotatorWindow rotator{*store, timers};
};

TEST(RotatorDisplays, OverlapIsRedAndShownPastNorth) {
    const struct {
        int32_t degrees;
        RotatorDisplay shown;
    } cases[] = {{400, {"40", kRed}},
                 {359, {"359", kOrange}},
                 {360, {"0", kRed}},
                 {0, {"0", kOrange}},
                 {450, {"90", kRed}}};
    for (const auto& c : cases)
        EXPECT_EQ(RotatorWindow::directionDisplay(c.degrees), c.shown) << c.degrees;
    EXPECT_EQ(RotatorWindow::speedDisplay(35), (RotatorDisplay{"35%", kOrange}));
}

TEST_F(Rotator, SpeedKeyRepeatsEveryTickWhileHeldAndItsReleaseSendsNothing) {
    rotator.press(RotatorKey::Fast);
    EXPECT_EQ(timers.timers().at(timer::ROTATOR_REPEAT), 100);
    ticks(3);  // 350 ms held
    rotator.release(RotatorKey::Fast);
    EXPECT_EQ(commands(), (Strings{"RO4;", "RO4;", "RO4;", "RO4;"}));
    EXPECT_FALSE(timers.timerRunning(timer::ROTATOR_REPEAT));

    rotator.press(RotatorKey::Slow);
    ticks(1);
    rotator.release(RotatorKey::Slow);
    EXPECT_EQ(commands(), (Strings{"RO3;", "RO3;"}));
}

TEST_F(Rotator, DirectionKeysTurnWhileHeld) {
    rotator.press(RotatorKey::Ccw);
    rotator.release(RotatorKey::Ccw);
    rotator.press(RotatorKey::Cw);
    rotator.press(RotatorKey::Ccw);  // pressed over CW: CW's release no longer stops it
    rotator.release(RotatorKey::Cw);
    rotator.release(RotatorKey::Ccw);
    EXPECT_EQ(commands(), (Strings{"RO1;", "RO0;", "RO2;", "RO1;", "RO0;"}));
}

TEST_F(Rotator, LettingGoOfEverythingStopsATurnAndTheRepeat) {
    rotator.press(RotatorKey::Ccw);
    rotator.press(RotatorKey::Fast);
    commands();
    rotator.releaseAll();
    EXPECT_EQ(commands(), Strings{"RO0;"});
    EXPECT_FALSE(timers.timerRunning(timer::ROTATOR_REPEAT));
    EXPECT_FALSE(rotator.turning());
    rotator.releaseAll();  // the next close path finds nothing held
    EXPECT_EQ(commands(), Strings{});
}

TEST_F(Rotator, RepeatStopsItselfOnAClosedPort) {
    rotator.press(RotatorKey::Slow);
    commands();
    store->port.open = false;
    ticks(1);
    EXPECT_EQ(commands(), Strings{});
    EXPECT_FALSE(timers.timerRunning(timer::ROTATOR_REPEAT));
}

}  // namespace
}  // namespace velmora::test
