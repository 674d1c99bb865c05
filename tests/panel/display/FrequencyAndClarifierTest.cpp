#include "link/MessageIds.h"
#include "panel/display/DisplayFixture.h"

namespace velmora::test {
namespace {

using E = PanelElement;

class FrequencyTest : public DisplayFixture {
  protected:
    // Glyph shown at VFO-A position pos (0..6 from the digit group, 7 from the eighth-digit group).
    int glyphA(int pos) const {
        if (pos == 7) return stateOf(E::VfoALastDigit);
        const int s = stateOf(E::VfoADigits, static_cast<size_t>(pos * 22));
        return s < 0 ? -1 : s - pos * 22;
    }
    std::vector<int> glyphsA() const {
        std::vector<int> g;
        for (int pos = 0; pos < 8; ++pos) g.push_back(glyphA(pos));
        return g;
    }
    void showA(int32_t hz, int cursor = 0) {
        store->panel.vfoA.set(hz);
        display->setDigitCursor(kMain, cursor);
    }
};

TEST_F(FrequencyTest, DigitsBlanksDotsAndTheCursorFollowTheFrequency) {
    store->panel.vfoA.reset(0, 60000000, 0);  // the display accepts what the store holds
    const struct {
        int32_t hz;
        int cursor;
        std::vector<int> glyphs;  // 10 blank, 11 and 12 the highlighted last and first digit
        size_t mhzDot;            // the MHz dot's record: 0 shown, 2 blanked
    } rows[] = {
        {14195000, 0, {1, 4, 1, 9, 5, 0, 0, 0}, 0},  {7000, 0, {10, 10, 10, 10, 7, 0, 0, 0}, 2},
        {14195000, 1, {1, 4, 1, 9, 5, 0, 0, 11}, 0}, {14195000, 8, {12, 4, 1, 9, 5, 0, 0, 0}, 0},
        {7000, 8, {10, 10, 10, 10, 7, 0, 0, 0}, 2},  // never on a blank
    };
    const SpriteGroup dots = pictures.group(E::VfoADots);
    for (const auto& r : rows) {
        SCOPED_TRACE(testing::Message() << r.hz << " cursor " << r.cursor);
        showA(r.hz, r.cursor);
        EXPECT_EQ(glyphsA(), r.glyphs);
        EXPECT_EQ(canvas.lastAt(dots[0].rect()), dots[r.mhzDot].picture);
        EXPECT_EQ(canvas.lastAt(dots[1].rect()), dots[1].picture);  // the kHz dot
    }
    EXPECT_EQ(display->frequencyText(kMain), "    7000");
}

TEST_F(FrequencyTest, ClarifierOffsetShownOnVfoAOnlyWhileRxClarifierIsOn) {
    store->panel.vfoA.set(7000000);
    store->records.ifStatus.clarifierOffset.set(-1250.7);
    display->onTimer(timer::FREQUENCY_A);
    EXPECT_EQ(display->frequencyText(kMain), " 7000000");
    store->panel.rt.set(1);
    display->onNotification(notify::RT);
    EXPECT_EQ(display->frequencyText(kMain), " 6998750");
    display->onTimer(timer::FREQUENCY_A);  // the refresh agrees with the notification
    EXPECT_EQ(display->frequencyText(kMain), " 6998750");
}

class ClarifierTest : public DisplayFixture {
  protected:
    std::vector<int> digits() const {
        std::vector<int> d;
        for (int k = 0; k < 4; ++k)
            d.push_back(stateOf(E::ClarDigits, static_cast<size_t>(k * 10)) - k * 10);
        return d;
    }
    void show(double offset) {
        store->records.ifStatus.clarifierOffset.set(offset);
        display->onNotification(notify::IF);
    }
};

TEST_F(ClarifierTest, DigitsAndSignsFollowTheTruncatedOffset) {
    show(-1250.7);
    EXPECT_EQ(digits(), (std::vector<int>{1, 2, 5, 0}));
    EXPECT_EQ(stateOf(E::ClarMinus), 1);
    EXPECT_EQ(stateOf(E::ClarPlus), 0);
    show(9.0);
    EXPECT_EQ(digits(), (std::vector<int>{0, 0, 0, 9}));
    EXPECT_EQ(stateOf(E::ClarPlus), 1);
    EXPECT_EQ(stateOf(E::ClarMinus), 0);
    show(0.0);
    EXPECT_EQ(digits(), (std::vector<int>{0, 0, 0, 0}));
    EXPECT_EQ(stateOf(E::ClarPlus), 0);
    EXPECT_EQ(stateOf(E::ClarMinus), 0);
    EXPECT_EQ(stateOf(E::ClarDot), 0);
}

TEST_F(ClarifierTest, MemoryModeLightsMrOrMtAndLeavesThemForUnknownValues) {
    store->records.ifStatus.vfoOrMemory.set(1);
    display->onNotification(notify::IF);
    EXPECT_EQ(stateOf(E::Mr), 1);
    EXPECT_EQ(stateOf(E::Mt), 0);
    store->records.ifStatus.vfoOrMemory.set(4);
    display->onNotification(notify::IF);
    EXPECT_EQ(stateOf(E::Mr), 0);
    EXPECT_EQ(stateOf(E::Mt), 1);
}

}  // namespace
}  // namespace velmora::test
