#pragma once
// Line bytes as log files write them: printable ASCII as it is, every other byte and the
// backslash itself as \xNN, so that a line of the log stands for exactly the bytes it shows.
#include <string>
#include <string_view>

namespace velmora {

std::string escapedBytes(std::string_view bytes);

}  // namespace velmora
