#pragma once
// The panel's turnable knobs: a knob picture with a dimple placed on a circle by the angle.
#include <cstdint>

#include "panel/display/Canvas.h"

namespace velmora {

enum class Knob { MainDial, Clar, ClarLarge, DspA, DspB };

// Angle at which the CLAR and DSP knobs are drawn at rest, without their dimple.
inline constexpr int32_t kKnobAtRest = 360;

// Angles are whole degrees clockwise from 12 o'clock. The main dial always shows its dimple; the
// other knobs only for angles below 360.
void DrawKnob(Canvas& canvas, Knob knob, int32_t angle);

// Top-left corner of the dimple at angle a for a dimple circle around (cx, cy) of radius r:
// (cx - trunc(-r sin a), cy - trunc(r cos a)), with pi taken as 3.141592.
PanelPoint dimplePosition(int32_t cx, int32_t cy, int32_t r, int32_t angle);

}  // namespace velmora
