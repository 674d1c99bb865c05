#pragma once
// One complete CAT command in, the radio's reply out: the answer to a query, nothing for an
// accepted set command, "?;" for anything refused.
#include <string>
#include <string_view>
#include <vector>

#include "sim/RadioModel.h"

namespace velmora::sim {

inline constexpr std::string_view kRefusal = "?;";

// command ends with ";" and may hold any bytes before it.
std::string interpretCommand(RadioModel& model, std::string_view command);

// The query forms (without ";") whose answers the radio sends on its own, in this order, when
// they change while auto-information is on. Menu items are reported separately.
const std::vector<std::string>& reportQueries();

}  // namespace velmora::sim
