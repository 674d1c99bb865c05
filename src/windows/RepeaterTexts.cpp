#include "windows/RepeaterTexts.h"

namespace velmora {

namespace {

constexpr std::string_view kModes[] = {"OFF", "Tone Squelch", "Tone Encoder"};
constexpr std::string_view kShifts[] = {"Simplex", "Plus Shift", "Minus Shift"};
// clang-format off
constexpr std::string_view kTones[kToneCount] = {
    "67.0 Hz",  "69.3 Hz",  "71.9 Hz",  "74.4 Hz",  "77.0 Hz",
    "79.7 Hz",  "82.5 Hz",  "85.4 Hz",  "88.5 Hz",  "91.5 Hz",
    "94.8 Hz",  "97.4 Hz",  "100.0 Hz", "103.5 Hz", "107.2 Hz",
    "110.9 Hz", "114.8 Hz", "118.8 Hz", "123.0 Hz", "127.3 Hz",
    "131.8 Hz", "136.5 Hz", "141.3 Hz", "146.2 Hz", "151.4 Hz",
    "156.7 Hz", "159.8 Hz", "162.2 Hz", "165.5 Hz", "167.9 Hz",
    "171.3 Hz", "173.8 Hz", "177.3 Hz", "179.9 Hz", "183.5 Hz",
    "186.2 Hz", "189.9 Hz", "192.8 Hz", "196.6 Hz", "199.5 Hz",
    "203.5 Hz", "206.5 Hz", "210.7 Hz", "218.1 Hz", "225.7 Hz",
    "229.1 Hz", "233.6 Hz", "241.8 Hz", "250.3 Hz", "254.1 Hz",
};
// clang-format on

template <size_t N>
std::string_view lookup(const std::string_view (&table)[N], int32_t v) {
    return v >= 0 && static_cast<size_t>(v) < N ? table[v] : kUnknownValue;
}

}  // namespace

std::string_view ctcssModeText(int32_t mode) {
    return lookup(kModes, mode);
}

std::string_view shiftText(int32_t shift) {
    return lookup(kShifts, shift);
}

std::string_view toneText(int32_t tone) {
    return lookup(kTones, tone);
}

}  // namespace velmora
