#pragma once
// The Repeater window's display texts: CTCSS mode, repeater shift and CTCSS tone, by the value
// the radio reports; "?????" for a value outside the table.
#include <array>
#include <cstdint>
#include <string_view>

namespace velmora {

inline constexpr std::string_view kUnknownValue = "?????";
inline constexpr int kToneCount = 50;

std::string_view ctcssModeText(int32_t mode);
std::string_view shiftText(int32_t shift);
std::string_view toneText(int32_t tone);  // "67.0 Hz" .. "254.1 Hz"

}  // namespace velmora
