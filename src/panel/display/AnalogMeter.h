#pragma once
// The analog meter: the face picture, then one red needle for the radio's meter reading (RM).
#include <cstdint>

#include "panel/display/Canvas.h"

namespace velmora {

struct Needle {
    PanelPoint from, to;
};

// The needle's angle in whole degrees from 12 o'clock, clockwise positive: -25 for a reading of
// 0, +26 for 255, 0 for 125..129. Readings outside 0..255 count as the nearest end.
int32_t needleAngle(int32_t reading);
// The needle rises from the face's bottom edge (y 99) and ends at radius 160 from the pivot
// (139, 192) in its direction.
Needle needleFor(int32_t reading);
// The face first, so the old needle is always erased, whatever the radio identified as.
void DrawAnalogMeter(Canvas& canvas, int32_t reading);

}  // namespace velmora
