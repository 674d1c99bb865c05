#include "panel/display/DrawKnob.h"

#include <cmath>

namespace velmora {

namespace {

constexpr double kDegreesToRadians = 0.01745328888888889;  // pi taken as 3.141592

struct KnobRow {
    Knob knob;
    int32_t picture;
    PanelRect source;  // the knob picture's own size
    PanelRect dest;
    int32_t dimplePicture, dimpleSize;
    int32_t cx, cy, radius;
    bool dimpleAlways;
};

// clang-format off
constexpr KnobRow kKnobs[] = {
    {Knob::MainDial,  460, {0, 0, 157, 156}, {438, 142, 157, 156}, 461, 53, 491, 193, 34, true},
    {Knob::Clar,      467, {0, 0, 69, 68},   {677, 231, 69, 68},   889, 20, 706, 261, 15, false},
    {Knob::ClarLarge, 467, {0, 0, 69, 68},   {677, 231, 78, 78},   889, 20, 706, 261, 15, false},
    {Knob::DspA,      469, {0, 0, 69, 68},   {803, 236, 69, 68},   889, 20, 827, 261, 15, false},
    {Knob::DspB,      469, {0, 0, 69, 68},   {922, 236, 69, 68},   889, 20, 947, 261, 15, false},
};
// clang-format on

}  // namespace

PanelPoint dimplePosition(int32_t cx, int32_t cy, int32_t r, int32_t angle) {
    const double a = angle * kDegreesToRadians;
    return {cx - static_cast<int32_t>(std::trunc(-r * std::sin(a))),
            cy - static_cast<int32_t>(std::trunc(r * std::cos(a)))};
}

void DrawKnob(Canvas& canvas, Knob knob, int32_t angle) {
    for (const KnobRow& k : kKnobs) {
        if (k.knob != knob) continue;
        canvas.drawPicture(k.picture, k.source, k.dest);
        if (!k.dimpleAlways && angle >= kKnobAtRest) return;
        const PanelPoint p = dimplePosition(k.cx, k.cy, k.radius, angle);
        canvas.drawPicture(k.dimplePicture, {0, 0, k.dimpleSize, k.dimpleSize},
                           {p.x, p.y, k.dimpleSize, k.dimpleSize});
        return;
    }
}

}  // namespace velmora
