#pragma once
// The short name of each key, knob, dial and digit of the panel, for the tooltip.
#include <cstdint>

namespace velmora {

// The name of a panel code; empty for a code without one.
const char* controlName(int32_t code);

}  // namespace velmora
