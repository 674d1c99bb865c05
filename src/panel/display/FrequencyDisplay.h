#pragma once
// The eight-digit frequency displays of VFO-A (large) and VFO-B (small), with the highlighted
// digit under the tuning cursor, leading blanks and the two separator dots.
#include <cstdint>
#include <string>

#include "panel/display/DisplayContext.h"

namespace velmora {

// Cursor 0: no highlight; 1..8: the digit counted from the right. Returns the eight-character
// text drawn (right-aligned, leading blanks).
std::string drawFrequencyDigits(const DisplayContext& ctx, int side, uint32_t hz, int cursor);

// The VFO-A value the display shows: the frequency plus the whole-Hz clarifier offset while the
// RX clarifier is on. The 30 ms refresh and the clarifier notification both use it, so they agree.
uint32_t displayedVfoA(const RadioStateStore& store);
uint32_t displayedVfoB(const RadioStateStore& store);

}  // namespace velmora
