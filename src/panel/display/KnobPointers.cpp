#include "panel/display/KnobPointers.h"

#include <algorithm>
#include <cmath>

#include "link/MessageIds.h"
#include "panel/display/PictureCatalogue.h"

namespace velmora {

namespace {

constexpr double kDegreesToRadians = 0.01745328888888889;
constexpr Rgb kPointerColour{255, 0, 0};
constexpr int32_t kSweepStart = 207;                   // 7 o'clock
constexpr int32_t kMeterStart = 300, kMeterStep = 30;  // the METER selector's positions
using RecordOf = const BoundedInt& (*)(const RadioStateStore&);

struct Scale {
    RecordOf record;  // nullptr: the knob has no such stroke
    int32_t min, max, k, r0, length;
};

struct PointerRow {
    PointerKnob knob;
    int32_t picture;
    PanelRect at;
    PanelPoint centre;
    Scale inner, outer;
};

#define REC(expr) [](const RadioStateStore& s) -> const BoundedInt& { return s.records.expr; }

// clang-format off
// The main receiver's values belong to the VFO-A twins, the sub receiver's to the VFO-B twins.
const PointerRow kRows[] = {
//   knob                     picture  place                centre      inner: record, range, k, r0/l           outer: record, range, k, r0/l
    {PointerKnob::MoniProc,   465, {180, 195, 41, 39}, {200, 215}, {REC(mlLevel), 1, 255, 119, 11, 4},  {REC(pl),    0, 255, 119, 15, 5}},
    {PointerKnob::SpeedPitch, 465, {97, 263, 41, 39},  {117, 283}, {REC(ks),      4, 60, 542, 11, 4},   {REC(kp),    0, 75, 405, 15, 5}},
    {PointerKnob::NbSqlA,     465, {320, 195, 41, 39}, {340, 215}, {REC(nl[0]),   0, 255, 119, 11, 4},  {REC(sq[0]), 0, 255, 119, 15, 5}},
    {PointerKnob::NbSqlB,     465, {250, 195, 41, 39}, {270, 215}, {REC(nl[1]),   0, 255, 119, 11, 4},  {REC(sq[1]), 0, 255, 119, 15, 5}},
    {PointerKnob::MicPower,   465, {29, 263, 41, 39},  {49, 283},  {REC(mg),      0, 255, 119, 11, 4},  {REC(pc),    0, 255, 119, 15, 5}},
    {PointerKnob::VoxDelay,   465, {166, 263, 41, 39}, {186, 283}, {REC(vg),      0, 255, 119, 11, 4},  {REC(vd),    20, 5000, 6, 15, 5}},
    {PointerKnob::GainB,      994, {234, 258, 52, 50}, {260, 283}, {REC(ag[1]),   0, 255, 119, 17, 6},  {REC(rg[1]), 0, 255, 119, 23, 3}},
    {PointerKnob::GainA,      994, {312, 258, 52, 50}, {338, 283}, {REC(ag[0]),   0, 255, 119, 17, 6},  {REC(rg[0]), 0, 255, 119, 23, 3}},
    {PointerKnob::Meter,      468, {108, 196, 41, 39}, {128, 215}, {nullptr,      0, 0, 0, 0, 0},       {REC(ms),    0, 5, 0, 15, 5}},
};

struct NotificationRow {
    uint32_t id;
    PointerKnobs knobs;
};
const NotificationRow kNotifications[] = {
    {notify::ML, {PointerKnob::MoniProc, {}}},
    {notify::PL, {PointerKnob::MoniProc, {}}},
    {notify::KP, {PointerKnob::SpeedPitch, {}}},
    {notify::KS, {PointerKnob::SpeedPitch, {}}},
    {notify::NL, {PointerKnob::NbSqlA, PointerKnob::NbSqlB}},
    {notify::SQ, {PointerKnob::NbSqlA, PointerKnob::NbSqlB}},
    {notify::MG, {PointerKnob::MicPower, {}}},
    {notify::PC, {PointerKnob::MicPower, {}}},
    {notify::VG, {PointerKnob::VoxDelay, {}}},
    {notify::VD, {PointerKnob::VoxDelay, {}}},
    {notify::AG, {PointerKnob::GainB, PointerKnob::GainA}},
    {notify::RG, {PointerKnob::GainB, PointerKnob::GainA}},
    {notify::MS, {PointerKnob::Meter, {}}},
};
// clang-format on
#undef REC

const PointerRow& rowOf(PointerKnob knob) {
    return kRows[static_cast<size_t>(knob)];
}

int32_t trunc(double v) {
    return static_cast<int32_t>(std::trunc(v));
}

void drawStroke(Canvas& canvas, const RadioStateStore& store, const PointerRow& row, bool outer) {
    const Scale& scale = outer ? row.outer : row.inner;
    if (!scale.record) return;
    const int32_t a = pointerAngle(row.knob, outer, scale.record(store).get());
    const Stroke s = pointerStroke(row.centre, scale.r0, scale.length, a);
    canvas.drawLine(s.from, s.to, kPointerColour, 2);
}

}  // namespace

int32_t pointerAngle(PointerKnob knob, bool outer, int32_t value) {
    const PointerRow& row = rowOf(knob);
    const Scale& scale = outer ? row.outer : row.inner;
    const int32_t v = std::clamp(value, scale.min, scale.max);
    const int32_t a =
        knob == PointerKnob::Meter
            ? kMeterStart + kMeterStep * v
            : static_cast<int32_t>((int64_t{v} - scale.min) * scale.k / 100) + kSweepStart;
    return a >= 361 ? a - 360 : a;
}

Stroke pointerStroke(PanelPoint centre, int32_t r0, int32_t length, int32_t angle) {
    const double a = angle * kDegreesToRadians;
    const double s = std::sin(a), c = std::cos(a);
    const PanelPoint from{centre.x + trunc(r0 * s), centre.y + trunc(-r0 * c)};
    return {from, {from.x + trunc(length * s), from.y + trunc(-length * c)}};
}

void DrawPointerKnob(Canvas& canvas, const RadioStateStore& store, PointerKnob knob) {
    const PointerRow& row = rowOf(knob);
    canvas.drawPicture(row.picture, {0, 0, row.at.width, row.at.height}, row.at);
    drawStroke(canvas, store, row, false);
    drawStroke(canvas, store, row, true);
}

PointerKnobs pointerKnobsOf(uint32_t notification) {
    for (const NotificationRow& r : kNotifications)
        if (r.id == notification) return r.knobs;
    return {};
}

}  // namespace velmora
