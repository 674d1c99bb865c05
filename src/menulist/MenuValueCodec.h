#pragma once
// The value field of the menu command EX: how the radio's characters become an item's value.
#include <string_view>

namespace velmora {

// Value kinds whose field is a bit string, one character per position, first position 0x1000.
constexpr bool isBitStringKind(int kind) {
    return kind == 14 || kind == 38;
}
inline constexpr int kBeaconTimeKind = 16;

// The value of an EX answer's field (the item's `width` characters after the item number).
double decodeMenuField(int valueKind, std::string_view field);

}  // namespace velmora
