#pragma once
// The read of the five keyer memory texts: timer 25 ticks every 30 ms, each tick asks the next
// text, and the tick after the fifth stops the timer and starts the position over at 1.
#include "command/CommandContext.h"

namespace velmora {

class RadioStateStore;

inline constexpr int kMemoryTextStepMs = 30;
inline constexpr int kFirstMemoryText = 1, kLastMemoryText = 5;

// Main-window timer 25 with 30 ms.
void StartMemoryTextTimer(RadioStateStore& store);
// Position back to 1, timer 25 killed.
void StopMemoryTextTimer(RadioStateStore& store);

// req::MEMORY_TEXT_STEP: "KM" + the position + ";" and the position moves on; outside 1-5 the read
// ends.
void sendNextMemoryTextQuery(CommandContext& context);

}  // namespace velmora
