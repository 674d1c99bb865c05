// The meters as the window draws them: the needle's angle and place, the bar's lit segments and
// peak hold under fake timers, the knob pointers' clamped angles, the fine offset bar (offset or
// level) and the filter displays' pages and numbers, refusing rows and pages outside their tables.
#include <cmath>
#include <limits>

#include "DisplayFixture.h"
#include "link/MessageIds.h"
#include "panel/display/AnalogMeter.h"
#include "panel/display/FilterNumber.h"
#include "panel/display/FilterPage.h"
#include "panel/display/FineOffsetBar.h"
#include "panel/display/KnobPointers.h"
#include "panel/display/Meters.h"
#include "panel/display/PictureCatalogue.h"

namespace velmora::test {
namespace {

class MetersTest : public DisplayFixture {
  protected:
    MetersTest() : meters({canvas, pictures, *store}, timers, [this] { return portOpen; }) {
        store->records.ps.set(1);
    }

    // The state (of three) that segment or mark k of e shows: the one whose picture was drawn
    // last at its place.
    int segmentState(int k, PanelElement e = PanelElement::BarMeter) const {
        const SpriteGroup g = pictures.group(e);
        const int32_t drawn = canvas.lastAt(g[static_cast<size_t>(k * 3)].rect());
        for (int s = 0; s < 3; ++s)
            if (g[static_cast<size_t>(k * 3 + s)].picture == drawn) return s;
        return -1;
    }
    void level(int32_t v) {
        store->records.sm[1].set(v);
        meters.onNotification(notify::SM);
    }
    void holdSetting(int v) { store->menus.setValue(BarMeter::kHoldMenuItem, v); }

    bool portOpen = true;
    Meters meters;
};

TEST_F(MetersTest, TheNeedleSweepsFromMinus25To26DegreesOverTheFaceItRedrawsFirst) {
    const struct {
        int32_t reading, angle;
    } rows[] = {{0, -25}, {4, -25},  {5, -24},  {125, 0}, {129, 0},
                {130, 1}, {255, 26}, {-7, -25}, {999, 26}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.reading);
        EXPECT_EQ(needleAngle(r.reading), r.angle);
        // The needle rises from the face's bottom edge; its tip lies at radius 160 from the
        // pivot (139, 192) in the needle's direction, within the truncation.
        const Needle n = needleFor(r.reading);
        EXPECT_EQ(n.from.y, 99);
        const double dx = n.to.x - 139, dy = 192 - n.to.y;
        EXPECT_NEAR(std::hypot(dx, dy), 160, 2);
        EXPECT_NEAR(std::atan2(dx, dy) * 180 / 3.14159265, r.angle, 1);
    }
    EXPECT_EQ(needleFor(127).from, (PanelPoint{139, 99}));
    EXPECT_EQ(needleFor(127).to, (PanelPoint{139, 32}));
    EXPECT_LT(needleFor(0).to.x, 139);
    EXPECT_GT(needleFor(255).to.x, 139);

    // Whatever the radio identified as, each reading wipes the old needle with the face.
    store->records.id.set(0);
    for (int32_t r : {0, 255}) {
        canvas.clear();
        store->records.rm.set(r);
        meters.onNotification(notify::RM);
        ASSERT_EQ(canvas.pictures.size(), 1u);
        EXPECT_EQ(canvas.pictures[0].picture, picture::kMeterFace);
        ASSERT_EQ(canvas.lines.size(), 1u);
        EXPECT_EQ(canvas.lines[0].from, needleFor(r).from);
    }
}

TEST_F(MetersTest, TheBarLightsOneSegmentPerSevenUnitsAndThePeakMarkerSitsOnTheTopOne) {
    const struct {
        int32_t level;
        int lit, peak;  // lit segments; the segment a peak at this level marks
    } rows[] = {{0, 0, 0},     {1, 1, 0},     {7, 1, 0},     {8, 2, 1},
                {126, 18, 17}, {127, 19, 18}, {224, 32, 31}, {225, 33, 32},
                {255, 33, 32}, {264, 33, 32}, {999, 33, 32}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.level);
        EXPECT_EQ(BarMeter::litSegments(r.level), r.lit);
        EXPECT_EQ(BarMeter::peakSegment(r.level), r.peak);  // on the bar, never a 34th
        if (r.level > 255) continue;  // beyond the store's range: the marker's rule only
        level(r.level);
        for (int k = 0; k < BarMeter::kSegments; ++k)
            ASSERT_EQ(segmentState(k), k >= r.lit ? 0 : k < 18 ? 1 : 2) << "segment " << k;
    }
}

TEST_F(MetersTest, AFallHoldsThePeakForTheSettingsTimeUntilARiseOrTheTimer) {
    const struct {
        const char* name;
        int setting;
        std::vector<int32_t> levels;
        int32_t held;
        int holdMs;  // 0: timer 14 not running
    } rows[] = {
        {"hold 1, 200 to 100", 1, {200, 100}, 200, 500},
        {"hold 2", 2, {200, 100}, 200, 1000},
        {"hold 3 and above", 7, {200, 100}, 200, 2000},
        {"rising back cancels", 1, {200, 100, 200}, 0, 0},
        {"a smaller rise keeps it", 1, {200, 100, 150}, 200, 500},
        {"a fall to 0 arms nothing", 1, {200, 0}, 0, 0},
        {"off shows none", 0, {200, 100}, 0, 0},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        level(0);
        meters.onTimer(timer::PEAK_HOLD);
        timers.clear();
        holdSetting(r.setting);
        for (int32_t v : r.levels) level(v);
        EXPECT_EQ(meters.bar().heldPeak(), r.held);
        EXPECT_EQ(timers.timerRunning(timer::PEAK_HOLD), r.holdMs != 0);
        if (r.holdMs != 0) {
            EXPECT_EQ(timers.timers().at(timer::PEAK_HOLD), r.holdMs);
        }
        if (r.held != 0) {
            EXPECT_EQ(segmentState(BarMeter::peakSegment(r.held)), 2);
        }
    }

    // The timer ends the hold: the marker goes, the level stays.
    holdSetting(1);
    level(200);
    level(100);
    meters.onTimer(timer::PEAK_HOLD);
    EXPECT_EQ(meters.bar().heldPeak(), 0);
    EXPECT_FALSE(timers.timerRunning(timer::PEAK_HOLD));
    EXPECT_EQ(segmentState(BarMeter::peakSegment(200)), 0);
    EXPECT_EQ(segmentState(14), 1);
}

TEST_F(MetersTest, APortClosedOrARadioOffLightsNothingAndStopsTheHold) {
    const struct {
        const char* name;
        uint32_t notification;
        bool port;
        int32_t power;
    } rows[] = {{"port closed", notify::AI, false, 1}, {"radio off", notify::PS, true, 0}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        portOpen = true;
        store->records.ps.set(1);
        holdSetting(1);
        level(200);
        level(100);
        ASSERT_TRUE(timers.timerRunning(timer::PEAK_HOLD));
        portOpen = r.port;
        store->records.ps.set(r.power);
        meters.onNotification(r.notification);
        EXPECT_FALSE(timers.timerRunning(timer::PEAK_HOLD));
        EXPECT_EQ(meters.bar().heldPeak(), 0);
        level(180);
        for (int k = 0; k < BarMeter::kSegments; ++k) ASSERT_EQ(segmentState(k), 0) << k;
    }
}

TEST_F(MetersTest, KnobPointersClampTheirValuesOntoTheSweepFrom7OClock) {
    const struct {
        PointerKnob knob;
        bool outer;
        int32_t value, angle;
    } rows[] = {
        {PointerKnob::SpeedPitch, false, 3, 207},  // KS below its range
        {PointerKnob::SpeedPitch, false, 60, 150},
        {PointerKnob::VoxDelay, true, 5000, 145},
        {PointerKnob::VoxDelay, true, 9000, 145},
        {PointerKnob::MoniProc, false, 0, 207},  // the monitor level starts at 1
        {PointerKnob::GainA, true, 255, 150},
        {PointerKnob::Meter, true, 0, 300},
        {PointerKnob::Meter, true, 2, 360},
        {PointerKnob::Meter, true, 3, 30},
        {PointerKnob::Meter, true, 9, 90},
    };
    for (const auto& r : rows)
        EXPECT_EQ(pointerAngle(r.knob, r.outer, r.value), r.angle) << r.value;

    // The picture first, erasing the old strokes; the twins each take their receiver's value.
    store->records.sq[0].set(0);
    store->records.sq[1].set(255);
    meters.onNotification(notify::SQ);
    ASSERT_EQ(canvas.pictures.size(), 2u);
    EXPECT_EQ(canvas.pictures[0].picture, picture::kSmallKnob);
    ASSERT_EQ(canvas.lines.size(), 4u);
    EXPECT_EQ(canvas.lines[1].from, pointerStroke({340, 215}, 15, 5, 207).from);
    EXPECT_EQ(canvas.lines[3].from, pointerStroke({270, 215}, 15, 5, 150).from);
    // Straight up; the cosine of 360 degrees, with pi taken as 3.141592, truncates to 14 and 4.
    EXPECT_EQ(pointerStroke({128, 215}, 15, 5, 360).to, (PanelPoint{128, 197}));
}

TEST_F(MetersTest, OffsetRowsAndFilterPagesOutsideTheirTablesDrawNothing) {
    const struct {
        double hz;
        int row;
    } rows[] = {{0, 10},
                {99, 10},
                {100, 11},
                {-250, 8},
                {5000, 20},
                {-5000, 0},
                {std::numeric_limits<double>::quiet_NaN(), 10}};
    for (const auto& r : rows) EXPECT_EQ(offsetRow(r.hz), r.row) << r.hz;

    const DisplayContext ctx{canvas, pictures, *store};
    FineOffsetBar bar;
    for (int row : {-1, 21, 1000}) {
        bar.drawRow(ctx, row);
        EXPECT_EQ(offsetMarkState(row, 0), -1);
    }
    EXPECT_EQ(offsetMarkState(kLevelRows, 0, OffsetTable::Level), -1);
    for (int page : {-1, 0, 7}) DrawFilterPage(canvas, 0, page, false, {});
    EXPECT_TRUE(canvas.pictures.empty());
    EXPECT_EQ(canvas.shapes, 0);

    // A page clears the display's own rectangle, not the blank picture's.
    DrawFilterPage(canvas, 1, kShiftPage, false, {});
    ASSERT_FALSE(canvas.fills.empty());
    EXPECT_EQ(canvas.fills[0], (PanelRect{909, 133, 99, 24}));
}

TEST_F(MetersTest, AFilterDisplayDrawsOnChangeOnlyAndTurnsToThePageOfTheChange) {
    portOpen = false;
    meters.onTimer(timer::FILTER_A);
    EXPECT_EQ(canvas.shapes, 0);
    portOpen = true;
    meters.onTimer(timer::FILTER_A);
    EXPECT_NE(canvas.shapes, 0);
    EXPECT_EQ(meters.filter(0).page(), kShiftPage);
    canvas.clear();
    meters.onTimer(timer::FILTER_A);
    EXPECT_EQ(canvas.shapes, 0);

    const struct {
        const char* name;
        std::function<void()> change;
        int page;
        int32_t title;
    } rows[] = {
        {"notch", [&] { store->records.bpLevel[0].set(200); }, kNotchPage, 1180},
        {"width", [&] { store->records.sh[0].set(3); }, kShiftPage, 1185},
        {"contour", [&] { store->records.coFirst[0].set(20); }, kContourPage, 1179},
        {"shift", [&] { store->records.is[0].set(-300); }, kShiftPage, 1182},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        canvas.clear();
        r.change();
        meters.onTimer(timer::FILTER_A);
        EXPECT_EQ(meters.filter(0).page(), r.page);
        EXPECT_EQ(canvas.lastAt({794, 149, 23, 10}), r.title);
        EXPECT_EQ(meters.filter(1).page(), kShiftPage);
    }
}

TEST_F(MetersTest, FilterNumbersReadInHzUpTo999AndInKhzWithTwoDecimalsAbove) {
    const struct {
        FilterNumber n;
        const char* text;
    } rows[] = {
        {{0, FilterUnit::Hz, true}, "0H"},         {{200, FilterUnit::Hz, true}, "+200H"},
        {{-250, FilterUnit::Hz, true}, "-250H"},   {{999, FilterUnit::Hz, false}, "999H"},
        {{-1000, FilterUnit::Hz, true}, "-1.00K"}, {{1205, FilterUnit::Hz, false}, "1.20K"},
        {{2050, FilterUnit::Hz, false}, "2.05K"},  {{128, FilterUnit::None, false}, "128"},
    };
    for (const auto& r : rows) EXPECT_EQ(filterNumberText(r.n), r.text) << r.n.value;

    // Right-aligned left of the graph: the digits on the top row, the unit under them.
    FilterInputs in;
    in.notch = 120;
    DrawFilterPage(canvas, 1, kNotchPage, false, in);
    const int32_t x = 909, y = 133;
    const struct {
        PanelRect at;
        int32_t picture;
    } drawn[] = {{{x + 22, y + 1, 5, 7}, 1186},
                 {{x + 17, y + 1, 5, 7}, 1188},
                 {{x + 15, y + 1, 2, 7}, 1197},
                 {{x + 10, y + 1, 5, 7}, 1187},
                 {{x + 14, y + 8, 13, 7}, 1189}};
    for (const auto& d : drawn) EXPECT_EQ(canvas.lastAt(d.at), d.picture) << d.picture;
}

TEST_F(MetersTest, ACwPitchChangeShowsTheShiftPageWithThePassbandCentre) {
    const PanelRect hundreds{789 + 12, 134, 5, 7};  // of a three-digit number
    store->records.md[0].set(3);
    store->records.kp.set(40);  // 700 Hz
    meters.onTimer(timer::FILTER_A);
    store->records.bpLevel[0].set(200);
    meters.onTimer(timer::FILTER_A);
    ASSERT_EQ(meters.filter(0).page(), kNotchPage);

    store->records.kp.set(20);  // 500 Hz
    meters.onTimer(timer::FILTER_A);
    EXPECT_EQ(meters.filter(0).page(), kShiftPage);
    EXPECT_EQ(canvas.lastAt(hundreds), 1192);  // "5"

    // Outside CW the pitch moves nothing: no redraw, no page change.
    store->records.md[0].set(2);
    store->records.bpLevel[0].set(100);
    meters.onTimer(timer::FILTER_A);
    canvas.clear();
    store->records.kp.set(60);
    meters.onTimer(timer::FILTER_A);
    EXPECT_EQ(canvas.shapes, 0);
    EXPECT_EQ(meters.filter(0).page(), kNotchPage);
}

TEST_F(MetersTest, TheFineOffsetBarShowsTheLevelIndicatorWhileTheRadioReportsOne) {
    const PanelRect minus{528, 92, 5, 7}, plus{578, 92, 5, 7};
    const struct {
        const char* name;
        int32_t second, third;
        double offset;
        std::vector<int> states;  // marks 0, 9, 10, 11, 20
        bool signs;
    } rows[] = {
        {"offset +150 Hz", 0, -1, 150, {0, 0, 2, 1, 0}, true},
        {"offset -1200 Hz", 5, -1, -1200, {1, 1, 2, 0, 0}, true},
        {"level 6", -1, 6, 150, {1, 1, 1, 0, 0}, false},
        {"level 11", -1, 11, 0, {1, 1, 1, 1, 1}, false},
        {"level 0", -1, 0, 0, {0, 0, 0, 0, 0}, false},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        store->records.bg[1].set(r.second);
        store->records.bg[2].set(r.third);
        store->records.ifStatus.clarifierOffset.set(r.offset);
        meters.onNotification(notify::BG);
        const int marks[] = {0, 9, 10, 11, 20};
        for (size_t i = 0; i < std::size(marks); ++i)
            EXPECT_EQ(segmentState(marks[i], PanelElement::FineOffsetBar), r.states[i])
                << "mark " << marks[i];
        EXPECT_EQ(canvas.lastAt(minus), r.signs ? 1198 : picture::kFilterBlank);
        EXPECT_EQ(canvas.lastAt(plus), r.signs ? 1199 : picture::kFilterBlank);
    }

    // Only what changed is drawn again, until a wiped panel asks for all of it.
    canvas.clear();
    meters.onNotification(notify::BG);
    EXPECT_TRUE(canvas.pictures.empty());
    meters.forgetDrawn();
    meters.onNotification(notify::BG);
    EXPECT_EQ(canvas.pictures.size(), size_t(kOffsetMarks + 2));
}

}  // namespace
}  // namespace velmora::test
