#pragma once
// The mode words of one side (LSB, USB, CW, AM, FM, RTTY, PKT), lit by the side's mode code.
#include <cstdint>

#include "panel/display/DisplayContext.h"

namespace velmora {

// Draws every word of the side lit or unlit; a code without a row draws nothing.
void drawModeWords(const DisplayContext& ctx, int side, int32_t modeCode);

}  // namespace velmora
