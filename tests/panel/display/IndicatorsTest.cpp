#include "panel/display/DisplayFixture.h"

namespace velmora::test {
namespace {

using E = PanelElement;

TEST_F(DisplayFixture, ModeSevenLightsLsbAndCwOnItsSideOnly) {
    store->panel.md[0].set(7);
    store->panel.md[1].set(1);
    display->onNotification(0x8345);
    EXPECT_EQ(stateOf(E::LsbA), 1);
    EXPECT_EQ(stateOf(E::CwA), 1);
    EXPECT_EQ(stateOf(E::UsbA), 0);
    EXPECT_EQ(stateOf(E::RttyA), 0);
    EXPECT_EQ(stateOf(E::CwB), 0);
}

TEST_F(DisplayFixture, UnknownModeCodeDrawsNoWord) {
    store->panel.md[0].reset(14);
    display->onNotification(0x830E);
    EXPECT_EQ(stateOf(E::LsbA), -1);
    EXPECT_EQ(stateOf(E::PktA), -1);
}

TEST_F(DisplayFixture, MultiPartIndicatorsLightTheirValue) {
    store->records.ra[0].set(2);
    display->onNotification(0x8313);
    EXPECT_TRUE(partLit(E::AttA, 2, 4));
    EXPECT_FALSE(partLit(E::AttA, 0, 4));

    store->records.anAntenna[1].set(3);
    store->records.anFlag[1].set(1);
    display->onNotification(0x8317);
    EXPECT_TRUE(partLit(E::AntB, 3, 4, true));  // the antenna number is lit first in its group
    EXPECT_FALSE(partLit(E::AntB, 0, 4, true));
    EXPECT_EQ(stateOf(E::RxAntB), 1);

    store->records.pa[0].set(0);
    display->onNotification(0x8314);
    EXPECT_TRUE(partLit(E::PreampA, 2, 4));  // 0 is THRU1
    EXPECT_FALSE(partLit(E::PreampA, 0, 4));
    store->records.pa[0].set(3);
    display->onNotification(0x8314);
    EXPECT_TRUE(partLit(E::PreampA, 3, 4));

    store->records.gt[0].set(5);
    display->onNotification(0x8312);
    EXPECT_TRUE(partLit(E::AgcA, 0, 4));  // AUTO
    EXPECT_TRUE(partLit(E::AgcA, 2, 4));  // and MID
    EXPECT_FALSE(partLit(E::AgcA, 1, 4));
    EXPECT_FALSE(partLit(E::AgcA, 3, 4));
}

TEST_F(DisplayFixture, TwoStateWordsFollowTheirOwnSide) {
    store->panel.lk[0].set(1);
    store->panel.fs[1].set(1);
    display->onNotification(0x830C);
    display->onNotification(0x830D);
    EXPECT_EQ(stateOf(E::LockA), 1);
    EXPECT_EQ(stateOf(E::LockB), 0);
    EXPECT_EQ(stateOf(E::FastA), 0);
    EXPECT_EQ(stateOf(E::FastB), 1);

    store->records.ac.set(2);
    display->onNotification(0x8318);
    EXPECT_EQ(pictures.group(E::Tuner)[2].picture,
              canvas.lastAt(pictures.group(E::Tuner)[0].rect()));
}

TEST_F(DisplayFixture, KeysWithLampsAddTheirFeatureAndReservedKeysDrawNothing) {
    store->records.mx.set(1);
    display->onKeyNotice(0x857B, 1);
    EXPECT_EQ(stateOf(E::MoxKey), 3);
    store->records.sf.set(2);
    display->onKeyNotice(0x85F0, 0);
    EXPECT_EQ(stateOf(E::ClarGrpKey), 4);
    canvas.clear();
    store->records.sf.set(5);  // a value the CLAR/GRP key does not show
    display->onKeyNotice(0x85F0, 0);
    display->onKeyNotice(0x858A, 1);
    EXPECT_TRUE(canvas.pictures.empty());
}

class RfltTest : public DisplayFixture {
  protected:
    RfltTest() {
        display->rflt().setStatic(kMain, false);
        store->records.rf[0].set(5);      // 6k, blinking form
        display->onNotification(0x8311);  // first draw: mode and band seen for the first time
    }
    bool sixKLit() const { return partLit(E::RfltA, 3, 5); }
};

TEST_F(RfltTest, ShownSteadilyAfterABandChange) {
    EXPECT_TRUE(sixKLit());
    EXPECT_FALSE(timers.timerRunning(RfltIndicator::kTimerA));
    store->records.band.set(3);
    display->onNotification(0x8311);
    EXPECT_TRUE(sixKLit());
    EXPECT_FALSE(timers.timerRunning(RfltIndicator::kTimerA));
}

TEST_F(RfltTest, BlinksWithoutAChangeAndEndsLit) {
    display->onNotification(0x8311);
    EXPECT_TRUE(timers.timerRunning(RfltIndicator::kTimerA));
    EXPECT_EQ(timers.timers().at(RfltIndicator::kTimerA), 500);
    std::vector<bool> lit;
    for (int tick = 0; tick < 12 && timers.timerRunning(RfltIndicator::kTimerA); ++tick) {
        display->onTimer(RfltIndicator::kTimerA);
        lit.push_back(sixKLit());
    }
    EXPECT_EQ(lit, (std::vector<bool>{true, false, true, false, true, false, true, false, true,
                                      false, true}));
    EXPECT_FALSE(timers.timerRunning(RfltIndicator::kTimerA));
}

TEST_F(RfltTest, SteadyCodeOrModeChangeStopsTheBlink) {
    display->onNotification(0x8311);
    store->records.rf[0].set(2);
    display->onNotification(0x8311);
    EXPECT_FALSE(timers.timerRunning(RfltIndicator::kTimerA));
    EXPECT_TRUE(sixKLit());

    store->records.rf[0].set(5);
    display->onNotification(0x8311);
    ASSERT_TRUE(timers.timerRunning(RfltIndicator::kTimerA));
    store->panel.md[0].set(3);
    display->onTimer(RfltIndicator::kTimerA);
    EXPECT_FALSE(timers.timerRunning(RfltIndicator::kTimerA));
    EXPECT_TRUE(sixKLit());
}

// A knob turned before a blink starts does not end it; one turned while it runs ends it, lit.
TEST_F(RfltTest, OnlyAKnobTurnedDuringTheBlinkEndsIt) {
    display->noteKnobTurned();
    display->onNotification(0x8311);
    display->onTimer(RfltIndicator::kTimerA);
    EXPECT_TRUE(timers.timerRunning(RfltIndicator::kTimerA));

    display->onTimer(RfltIndicator::kTimerA);  // dim phase
    display->noteKnobTurned();
    display->onTimer(RfltIndicator::kTimerA);
    EXPECT_FALSE(timers.timerRunning(RfltIndicator::kTimerA));
    EXPECT_TRUE(sixKLit());
}

}  // namespace
}  // namespace velmora::test
