#pragma once
// The value field of the menu command EX: how the radio's characters become an item's value, and
// how an item's value becomes the characters the set command carries.
#include <cstdint>
#include <string>
#include <string_view>

#include "link/MenuItemDef.h"

namespace velmora {

// Value kinds whose field is a bit string, one character per position, first position 0x1000.
constexpr bool isBitStringKind(int kind) {
    return kind == 14 || kind == 38;
}
// Value kinds whose field starts with a sign character.
constexpr bool isSignedMenuKind(int kind) {
    return kind == 4 || kind == 11 || (kind >= 25 && kind <= 30);
}
inline constexpr int kBeaconTimeKind = 16;

// How the value of each kind is to be read.
enum class MenuValueForm {
    WholeNumber,        // 0, 4, 11, 19-30
    ChoiceIndex,        // 1, 12, 15, 31-37, 39: 0-based index of a choice label
    NegativeMagnitude,  // 8: the magnitude of a negative number; min and max are magnitudes
    Tenths,             // 9
    Kilohertz,          // 10, shown in MHz
    MicGain,            // 13: 1000 for the first choice, else a number for the second
    Positions,          // 14, 38: one bit per position
    BeaconTime,         // 16
    Unknown,            // kinds the table does not use
};
constexpr MenuValueForm menuValueForm(int kind) {
    if (kind == 0 || kind == 4 || kind == 11 || (kind >= 19 && kind <= 30)) {
        return MenuValueForm::WholeNumber;
    }
    if (kind == 1 || kind == 12 || kind == 15 || (kind >= 31 && kind <= 37) || kind == 39) {
        return MenuValueForm::ChoiceIndex;
    }
    switch (kind) {
        case 8:
            return MenuValueForm::NegativeMagnitude;
        case 9:
            return MenuValueForm::Tenths;
        case 10:
            return MenuValueForm::Kilohertz;
        case 13:
            return MenuValueForm::MicGain;
        case 14:
        case 38:
            return MenuValueForm::Positions;
        case kBeaconTimeKind:
            return MenuValueForm::BeaconTime;
        default:
            return MenuValueForm::Unknown;
    }
}
// The first choice of a kind-13 item.
inline constexpr int kMicGainFirstChoiceValue = 1000;

// The bit of position k of a bit-string value: 0x1000 >> k for the first thirteen. That rule has
// no bit left for MY BAND's fourteenth position (TRV50), which takes 0x4000: 0x2000 is set in the
// item's factory value without standing for any position. Every reader and writer of these
// values (the answer, the list line, the check boxes, the set command) uses this one weight.
inline constexpr int kMenuPositionCount = 14;
constexpr int64_t menuPositionBit(int k) {
    if (k >= 0 && k <= 12) return int64_t{0x1000} >> k;
    return k == 13 ? int64_t{0x4000} : 0;
}
// The bits that the first count positions can show.
constexpr int64_t menuPositionMask(int count) {
    int64_t mask = 0;
    for (int k = 0; k < count; ++k) mask |= menuPositionBit(k);
    return mask;
}

// Beacon times: the field carries 0-240 seconds as they are and 241-255 as codes for 270-690
// seconds in 30-second steps; the store keeps seconds once the radio has answered.
inline constexpr int kBeaconLastPlainSecond = 240;
inline constexpr int kBeaconFirstCode = 241, kBeaconLastCode = 255;
constexpr int64_t beaconCodeToSeconds(int64_t code) {
    return (code - kBeaconLastPlainSecond) * 30 + kBeaconLastPlainSecond;
}
// Seconds (or a code, passed through) as the field's number.
int64_t beaconFieldNumber(int64_t value);
// Seconds of a stored beacon value, whether it holds seconds or a code.
int64_t beaconSeconds(int64_t value);

// The value of an EX answer's field (the item's `width` characters after the item number).
double decodeMenuField(int valueKind, std::string_view field);

// The width characters of the EX set command's value field for value. Values are cut toward
// zero to whole numbers; what does not fit leaves the field all '0'.
std::string encodeMenuField(int valueKind, int width, double value);

// The set command for an item's new value: "EX", the number as three digits, the field, ";".
std::string menuSetCommand(const MenuItemDef& def);

// value cut toward zero, kept within the range of int64_t; NaN gives 0.
int64_t wholeMenuValue(double value);

}  // namespace velmora
