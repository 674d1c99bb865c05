#pragma once
// What the radio does with a set command: the state change, or a refusal.
#include <string_view>

#include "sim/RadioModel.h"

namespace velmora::sim {

// body is a command without its ";" (NUL bytes included). False when the radio refuses it:
// unknown code, wrong length, malformed field or a value out of range. A refused command changes
// nothing.
bool applySetCommand(RadioModel& model, std::string_view body);

}  // namespace velmora::sim
