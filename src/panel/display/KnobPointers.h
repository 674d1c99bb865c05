#pragma once
// The pointer strokes of the small rotary knobs: the knob picture, then a short red radial stroke
// for each value it shows (the inner value near the centre, the outer one further out).
#include <cstdint>
#include <optional>

#include "link/RadioStateStore.h"
#include "panel/display/Canvas.h"

namespace velmora {

enum class PointerKnob {
    MoniProc,
    SpeedPitch,
    NbSqlA,
    NbSqlB,
    MicPower,
    VoxDelay,
    GainB,
    GainA,
    Meter
};

// A value's place on its knob: whole degrees clockwise from 12 o'clock, the value clamped to its
// range first. The METER selector's six positions lie 30 degrees apart from 300.
int32_t pointerAngle(PointerKnob knob, bool outer, int32_t value);
// The stroke for the value at angle a, from radius r0 out by length l around centre c.
struct Stroke {
    PanelPoint from, to;
};
Stroke pointerStroke(PanelPoint centre, int32_t r0, int32_t length, int32_t angle);

// Draws one knob with the store's values.
void DrawPointerKnob(Canvas& canvas, const RadioStateStore& store, PointerKnob knob);
// The knobs notification id redraws (none for other ids), at most two.
struct PointerKnobs {
    std::optional<PointerKnob> first, second;
};
PointerKnobs pointerKnobsOf(uint32_t notification);

}  // namespace velmora
