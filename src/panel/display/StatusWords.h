#pragma once
// The two-state words and lamps of the display, each drawn from its store value.
#include <cstdint>

#include "panel/display/DisplayContext.h"

namespace velmora {

// Which store values the words follow. Flags are lit at 1 and unlit otherwise.
void drawClarifierWords(const DisplayContext& ctx);     // RX/TX clarifier words and CLAR
void drawTransmitSideLamps(const DisplayContext& ctx);  // dial TX lamp, clarifier TX LED
void drawReceiveLamps(const DisplayContext& ctx);       // dial RX lamp, clarifier RX LED
void drawLockWords(const DisplayContext& ctx);
void drawFastWords(const DisplayContext& ctx);
void drawNarrowWords(const DisplayContext& ctx);
void drawNoiseBlankerWords(const DisplayContext& ctx);  // NB and W of both sides
void drawKeyerWord(const DisplayContext& ctx);
void drawBreakInWord(const DisplayContext& ctx);
void drawProcessorWord(const DisplayContext& ctx);
void drawMonitorWord(const DisplayContext& ctx);
void drawTunerWord(const DisplayContext& ctx);         // 0 off, 1 on, 2 tuning
void drawPreselectorWords(const DisplayContext& ctx);  // PRESEL, FTUNE, THRU
void drawBusyWords(const DisplayContext& ctx);
void drawRadioInfoWords(const DisplayContext& ctx);  // HI-SWR ... TX (B) and the RX lamps

}  // namespace velmora
