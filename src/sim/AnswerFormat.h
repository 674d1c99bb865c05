#pragma once
// The radio's answers to queries, formatted from its state with every field at its fixed place.
#include <optional>
#include <string>
#include <string_view>

#include "sim/RadioModel.h"

namespace velmora::sim {

// body is a command without its ";". The complete answer ("FA00014195000;") when body is a
// query form the radio knows, or nothing when it is not a query (a set command or junk).
std::optional<std::string> answerQuery(const RadioModel& model, std::string_view body);

}  // namespace velmora::sim
