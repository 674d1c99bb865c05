#include "link/MessageIds.h"
#include "panel/display/DisplayFixture.h"

namespace velmora::test {
namespace {

using E = PanelElement;

TEST_F(DisplayFixture, ModeSevenLightsLsbAndCwOnItsSideOnly) {
    store->panel.md[0].set(7);
    store->panel.md[1].set(1);
    display->onNotification(notify::MD);
    EXPECT_EQ(stateOf(E::LsbA), 1);
    EXPECT_EQ(stateOf(E::CwA), 1);
    EXPECT_EQ(stateOf(E::UsbA), 0);
    EXPECT_EQ(stateOf(E::RttyA), 0);
    EXPECT_EQ(stateOf(E::CwB), 0);
}

TEST_F(DisplayFixture, UnknownModeCodeDrawsNoWord) {
    store->panel.md[0].reset(14);
    display->onNotification(notify::VS);
    EXPECT_EQ(stateOf(E::LsbA), -1);
    EXPECT_EQ(stateOf(E::PktA), -1);
}

TEST_F(DisplayFixture, MultiPartIndicatorsLightTheirValue) {
    store->records.ra[0].set(2);
    display->onNotification(notify::RA);
    EXPECT_TRUE(partLit(E::AttA, 2, 4));
    EXPECT_FALSE(partLit(E::AttA, 0, 4));

    store->records.anAntenna[1].set(3);
    store->records.anFlag[1].set(1);
    display->onNotification(notify::AN);
    EXPECT_TRUE(partLit(E::AntB, 3, 4, true));  // the antenna number is lit first in its group
    EXPECT_FALSE(partLit(E::AntB, 0, 4, true));
    EXPECT_EQ(stateOf(E::RxAntB), 1);

    store->records.pa[0].set(0);
    display->onNotification(notify::PA);
    EXPECT_TRUE(partLit(E::PreampA, 2, 4));  // 0 is THRU1
    EXPECT_FALSE(partLit(E::PreampA, 0, 4));
    store->records.pa[0].set(3);
    display->onNotification(notify::PA);
    EXPECT_TRUE(partLit(E::PreampA, 3, 4));

    store->records.gt[0].set(5);
    display->onNotification(notify::GT);
    EXPECT_TRUE(partLit(E::AgcA, 0, 4));  // AUTO
    EXPECT_TRUE(partLit(E::AgcA, 2, 4));  // and MID
    EXPECT_FALSE(partLit(E::AgcA, 1, 4));
    EXPECT_FALSE(partLit(E::AgcA, 3, 4));
}

TEST_F(DisplayFixture, TwoStateWordsFollowTheirOwnSide) {
    store->panel.lk[0].set(1);
    store->panel.fs[1].set(1);
    display->onNotification(notify::LK);
    display->onNotification(notify::FS);
    EXPECT_EQ(stateOf(E::LockA), 1);
    EXPECT_EQ(stateOf(E::LockB), 0);
    EXPECT_EQ(stateOf(E::FastA), 0);
    EXPECT_EQ(stateOf(E::FastB), 1);

    store->records.ac.set(2);
    display->onNotification(notify::AC);
    EXPECT_EQ(pictures.group(E::Tuner)[2].picture,
              canvas.lastAt(pictures.group(E::Tuner)[0].rect()));
}

TEST_F(DisplayFixture, KeysWithLampsAddTheirFeatureAndReservedKeysDrawNothing) {
    store->records.mx.set(1);
    display->onKeyNotice(notice::MOX_KEY, 1);
    EXPECT_EQ(stateOf(E::MoxKey), 3);
    store->records.sf.set(2);
    display->onKeyNotice(notice::CLAR_GRP_KEY, 0);
    EXPECT_EQ(stateOf(E::ClarGrpKey), 4);
    canvas.clear();
    store->records.sf.set(5);  // a value the CLAR/GRP key does not show
    display->onKeyNotice(notice::CLAR_GRP_KEY, 0);
    display->onKeyNotice(notice::RESERVED_GROUP_0, 1);
    EXPECT_TRUE(canvas.pictures.empty());
}

class RfltTest : public DisplayFixture {
  protected:
    RfltTest() {
        display->rflt().setStatic(kMain, false);
        store->records.rf[0].set(5);          // 6k, blinking form
        display->onNotification(notify::RF);  // first draw: mode and band seen for the first time
    }
    bool sixKLit() const { return partLit(E::RfltA, 3, 5); }
};

TEST_F(RfltTest, ShownSteadilyAfterABandChange) {
    EXPECT_TRUE(sixKLit());
    EXPECT_FALSE(timers.timerRunning(timer::RFLT_BLINK_A));
    store->records.band.set(3);
    display->onNotification(notify::RF);
    EXPECT_TRUE(sixKLit());
    EXPECT_FALSE(timers.timerRunning(timer::RFLT_BLINK_A));
}

TEST_F(RfltTest, BlinksWithoutAChangeAndEndsLit) {
    display->onNotification(notify::RF);
    EXPECT_TRUE(timers.timerRunning(timer::RFLT_BLINK_A));
    EXPECT_EQ(timers.timers().at(timer::RFLT_BLINK_A), 500);
    std::vector<bool> lit;
    for (int tick = 0; tick < 12 && timers.timerRunning(timer::RFLT_BLINK_A); ++tick) {
        display->onTimer(timer::RFLT_BLINK_A);
        lit.push_back(sixKLit());
    }
    EXPECT_EQ(lit, (std::vector<bool>{true, false, true, false, true, false, true, false, true,
                                      false, true}));
    EXPECT_FALSE(timers.timerRunning(timer::RFLT_BLINK_A));
}

TEST_F(RfltTest, SteadyCodeOrModeChangeStopsTheBlink) {
    display->onNotification(notify::RF);
    store->records.rf[0].set(2);
    display->onNotification(notify::RF);
    EXPECT_FALSE(timers.timerRunning(timer::RFLT_BLINK_A));
    EXPECT_TRUE(sixKLit());

    store->records.rf[0].set(5);
    display->onNotification(notify::RF);
    ASSERT_TRUE(timers.timerRunning(timer::RFLT_BLINK_A));
    store->panel.md[0].set(3);
    display->onTimer(timer::RFLT_BLINK_A);
    EXPECT_FALSE(timers.timerRunning(timer::RFLT_BLINK_A));
    EXPECT_TRUE(sixKLit());
}

// A knob turned before a blink starts does not end it; one turned while it runs ends it, lit.
TEST_F(RfltTest, OnlyAKnobTurnedDuringTheBlinkEndsIt) {
    display->noteKnobTurned();
    display->onNotification(notify::RF);
    display->onTimer(timer::RFLT_BLINK_A);
    EXPECT_TRUE(timers.timerRunning(timer::RFLT_BLINK_A));

    display->onTimer(timer::RFLT_BLINK_A);  // dim phase
    display->noteKnobTurned();
    display->onTimer(timer::RFLT_BLINK_A);
    EXPECT_FALSE(timers.timerRunning(timer::RFLT_BLINK_A));
    EXPECT_TRUE(sixKLit());
}

}  // namespace
}  // namespace velmora::test
