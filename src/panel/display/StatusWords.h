#pragma once
// The two-state words and lamps of the display, each drawn from its store value.
#include <cstdint>

#include "panel/display/DisplayContext.h"

namespace velmora {

// Which store values the words follow. Flags are lit at 1 and unlit otherwise.
void DrawClarifierWords(const DisplayContext& ctx);     // RX/TX clarifier words and CLAR
void DrawTransmitSideLamps(const DisplayContext& ctx);  // dial TX lamp, clarifier TX LED
void DrawReceiveLamps(const DisplayContext& ctx);       // dial RX lamp, clarifier RX LED
void DrawLockWords(const DisplayContext& ctx);
void DrawFastWords(const DisplayContext& ctx);
void DrawNarrowWords(const DisplayContext& ctx);
void DrawNoiseBlankerWords(const DisplayContext& ctx);  // NB and W of both sides
void DrawKeyerWord(const DisplayContext& ctx);
void DrawBreakInWord(const DisplayContext& ctx);
void DrawProcessorWord(const DisplayContext& ctx);
void DrawMonitorWord(const DisplayContext& ctx);
void DrawTunerWord(const DisplayContext& ctx);         // 0 off, 1 on, 2 tuning
void DrawPreselectorWords(const DisplayContext& ctx);  // PRESEL, FTUNE, THRU
void DrawBusyWords(const DisplayContext& ctx);
void DrawRadioInfoWords(const DisplayContext& ctx);  // HI-SWR ... TX (B) and the RX lamps

}  // namespace velmora
