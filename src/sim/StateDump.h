#pragma once
// The whole radio state as one JSON object whose keys are named by CAT code: "FA", "MD.main",
// "BP.sub.level", "EX001"... The controller's own state dump uses the same keys, so the two can
// be compared key by key.
#include <string>

#include "sim/RadioModel.h"

namespace velmora::sim {

std::string stateDumpJson(const RadioModel& model);

}  // namespace velmora::sim
