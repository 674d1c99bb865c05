#pragma once
// How the radio writes and reads the value field of its menu command EX: digits filling the
// item's width, a sign first for the signed kinds, one "0"/"1" per position for the bit-string
// kinds. Values outside the item's limits are refused.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "sim/SimMenu.h"

namespace velmora::sim {

// The weight of position k of a bit-string item (0 beyond the fourteenth position).
int64_t menuBitWeight(int position);

bool menuValueAllowed(const SimMenuItem& item, int64_t value);

// Exactly item.width characters.
std::string formatMenuField(const SimMenuItem& item, int64_t value);

// The value of a field of item.width characters, or nothing when it is malformed or out of range.
std::optional<int64_t> parseMenuField(const SimMenuItem& item, std::string_view field);

}  // namespace velmora::sim
