#pragma once
// The requests of the catalogue that follow no family rule: each has a small handler of its
// own, listed with the request ids it serves.
#include <span>

#include "command/CatalogueRows.h"
#include "command/CommandContext.h"

namespace velmora::catalogue {

using SpecialHandler = void (*)(CommandContext& context, const Request& request);

struct SpecialRow {
    RequestIds ids;
    SpecialHandler handler;
};

std::span<const SpecialRow> specialRequests();

// The step count of an IF-shift request: v / 20 rounded up for v > 0, 0 for 0, and for v < 0
// -1 when v is a whole multiple of 20, else -2.
int64_t ifShiftSteps(int64_t v);

// The frequency range the FA and FB requests accept, in Hz.
inline constexpr int64_t kRequestFrequencyMin = 3000;
inline constexpr int64_t kRequestFrequencyMax = 60000000;

}  // namespace velmora::catalogue
