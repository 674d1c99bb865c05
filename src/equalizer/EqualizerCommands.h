#pragma once
// The menu commands the equalizer sends: "EX" + the item's three digits + ";" to read it, and with
// the value between them to set it: two digits for FREQ and BWTH, a sign and two digits for LEVEL
// ("EX153-06;", "EX153+00;").
#include <cstdint>
#include <string>

#include "equalizer/EqualizerBands.h"

namespace velmora::equalizer {

std::string readCommand(int item);
std::string setCommand(int item, Param q, int32_t v);

}  // namespace velmora::equalizer
