#pragma once
// A text as a JSON string, as both state dumps write their texts: in quotes, with the quote and
// the backslash escaped and control characters as \u00XX.
#include <string>
#include <string_view>

namespace velmora {

void appendJsonString(std::string& out, std::string_view text);

}  // namespace velmora
