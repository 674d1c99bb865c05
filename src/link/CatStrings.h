#pragma once
// The fixed commands and synthetic answers the link core uses.
#include <string_view>

namespace velmora::cat {

inline constexpr std::string_view kAutoInfoOn = "AI1;";
inline constexpr std::string_view kAutoInfoOff = "AI0;";
// The CAT baud-rate menu item: "EX" + "%03d" of 32 + one digit (0 4800, 1 9600, 2 19200,
// 3 38400) + ";".
inline constexpr int kBaudRateMenuItem = 32;
inline constexpr std::string_view kIdentification = "0362";
inline constexpr int kIdentificationValue = 362;
// Synthetic answers fed to the analysis (no ";" where the analysis gets them without one).
inline constexpr std::string_view kSyntheticPowerOff = "PS0";
inline constexpr std::string_view kSyntheticAutoInfoOff = "AI0";
inline constexpr std::string_view kSyntheticMeterReset = "RM0000;";
inline constexpr std::string_view kSyntheticSubSmeterReset = "SM1000;";
inline constexpr char kTerminator = ';';
inline constexpr char kErrorReply = '?';

}  // namespace velmora::cat
