#pragma once
// The transmit equalizer's nine parameters: three bands of centre frequency (an index into the
// band's frequency table, 0 = OFF), level in dB and width. Parameter p is 3 x (band - 1) + q with
// q 0 FREQ, 1 LEVEL, 2 BWTH. The radio keeps two sets of them as setup-menu items, found by value
// kind, so a menu table that numbers its items differently still maps them.
#include <array>
#include <cstdint>
#include <span>
#include <string>

namespace velmora {

class MenuTable;

namespace equalizer {

inline constexpr int kBandCount = 3;
inline constexpr int kParamCount = 9;
inline constexpr int kSetCount = 2;  // 0 the normal set, 1 the processor set

enum class Param : uint8_t { Freq, Level, Bwth };

using EqualizerValues = std::array<int32_t, kParamCount>;
using EqualizerItems = std::array<int, kParamCount>;  // menu item numbers, 0 when missing

constexpr int paramIndex(int band, Param q) {
    return 3 * (band - 1) + static_cast<int>(q);
}
constexpr int bandOf(int p) {
    return p / 3 + 1;
}
constexpr Param paramOf(int p) {
    return static_cast<Param>(p % 3);
}

struct ValueRange {
    int32_t min;
    int32_t max;
    bool contains(int32_t v) const { return v >= min && v <= max; }
};

// Hz by index for band 1-3; index 0 is OFF and reads 0.
std::span<const int> bandFrequencies(int band);
// The values this window offers (LEVEL reaches -20 here though the radio stops at -10).
ValueRange paramRange(int p);
bool valueInRange(int p, int32_t v);
bool allInRange(const EqualizerValues& v);

// The value kind that marks parameter p of a set in the menu definitions.
int equalizerValueKind(int set, int p);
// The menu item of each parameter, looked up by value kind; 0 where the table has none.
EqualizerItems findEqualizerItems(const MenuTable& menus, int set);

// What a value display shows: "300 Hz" or "OFF", "-6 dB", "2"; "?????" for a value outside the
// parameter's range.
std::string valueText(int p, int32_t v);

}  // namespace equalizer
}  // namespace velmora
