#pragma once
// The clarifier offset: four small digits, a fixed dot, the plus and minus signs, and the MR and
// MT words of the memory mode.
#include <string>

#include "panel/display/DisplayContext.h"

namespace velmora {

// Draws the offset truncated toward zero; returns the "%05d" text it was formatted from.
std::string drawClarifierOffset(const DisplayContext& ctx, double offsetHz);
// Memory mode 0..4: 0, 3 neither; 1 MR; 2, 4 MT; other values leave both as they are.
void drawMemoryMode(const DisplayContext& ctx, int32_t memoryMode);

}  // namespace velmora
