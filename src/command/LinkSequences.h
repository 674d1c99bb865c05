#pragma once
// The command thread's sequences that keep the link itself going: switching auto-information on
// and off, the once-a-second keep-alive, and the identification exchange.
#include "command/CommandContext.h"

namespace velmora {

inline constexpr int kAiQueryPauseMs = 20;
inline constexpr int kAiOffPauseMs = 25;
inline constexpr int kKeepAlivePauseMs = 30;
inline constexpr int kIdentifyPauseMs = 25;

// req::COMM_SWITCH: opens the port, sends AI1; or AI0; (by the stored state), asks AI; and, when
// the link was on, switches it off at once on this side with a synthetic "AI0" answer.
void sendAutoInformationSwitch(CommandContext& context);
// req::KEEP_ALIVE: PS; while auto-information is on, then AI; while the radio is on too.
void sendKeepAlive(CommandContext& context);
// req::IDENTIFY: ID; and ID2000;, 25 ms apart.
void sendIdentification(CommandContext& context);

}  // namespace velmora
