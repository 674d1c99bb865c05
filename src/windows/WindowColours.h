#pragma once
// The few colours the option windows paint their displays and indicators in.
#include "panel/display/Canvas.h"

namespace velmora::window_colour {

inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kRed{255, 0, 0};
inline constexpr Rgb kGreen{0, 255, 0};
inline constexpr Rgb kOrange{255, 128, 0};

}  // namespace velmora::window_colour
