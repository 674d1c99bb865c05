#pragma once
// Indicators of several parts of which the value lights one (AGC: up to two): ATT, antenna
// number, preamp, AGC, and the R.FLT parts that the blink logic uses.
#include <cstdint>

#include "panel/display/DisplayContext.h"

namespace velmora {

// Draws every part of a group of n parts in two lightings; parts whose bit is set in litMask are
// drawn lit, the others dim. litFirst: the group's first n records are the lit lighting.
void drawParts(const DisplayContext& ctx, PanelElement e, int parts, unsigned litMask,
               bool litFirst = false);

void drawAttenuator(const DisplayContext& ctx, int side, int32_t value);
// The antenna number (0..3 for antennas 1 to 4) and the RX word beside it.
void drawAntenna(const DisplayContext& ctx, int side, int32_t antenna, int32_t rxAntenna);
void drawPreamp(const DisplayContext& ctx, int side, int32_t value);
void drawAgc(const DisplayContext& ctx, int side, int32_t value);

}  // namespace velmora
