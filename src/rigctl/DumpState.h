#pragma once
// The capability block a client reads once after connecting: its ranges, modes, filters and
// feature masks, in the client library's protocol version 1 layout.
#include <string>

namespace velmora::rigctl {

// The block; the key=value tail follows only for a client that asked \chk_vfo first, because
// older clients that do not ask stop reading at the masks.
std::string dumpStateText(bool withKeyValueTail);

// The levels `l` answers, as the client library's level mask.
inline constexpr unsigned long long kRfPowerLevel = 1ull << 12;
inline constexpr unsigned long long kStrengthLevel = 1ull << 30;
inline constexpr unsigned long long kReadLevels = kRfPowerLevel | kStrengthLevel;

}  // namespace velmora::rigctl
