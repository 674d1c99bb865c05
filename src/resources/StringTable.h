#pragma once
// The program's string table: every text shown to the operator by its string id, in one place.
// The window, the dialogs and the console all take their texts from here.
#include <string_view>

namespace velmora {

namespace string_id {
inline constexpr int kVersionMenuEntry = 101;
inline constexpr int kEnterFrequency = 102;
inline constexpr int kFrequencyRange = 103;
inline constexpr int kInputRangeIncorrect = 104;
inline constexpr int kEnterCommand = 105;
inline constexpr int kPortOpenFailed = 106;
inline constexpr int kMenuFileFailed = 107;
inline constexpr int kCommSettingFailed = 108;
inline constexpr int kReadingMenu = 109;
inline constexpr int kConnectingPort = 110;
inline constexpr int kConnectFailed = 111;
inline constexpr int kUpdateMenu = 112;
inline constexpr int kVersion = 113;
inline constexpr int kVersionNotice = 114;
inline constexpr int kProbeFailed = 115;
inline constexpr int kFileSaveFailed = 116;
inline constexpr int kFileLoadFailed = 117;
inline constexpr int kEqualizerValuesUnknown = 118;
}  // namespace string_id

inline constexpr int kFirstStringId = 101;
inline constexpr int kLastStringId = 118;

// The text of a string id; empty for an id that is not in the table.
std::string_view stringText(int id);

}  // namespace velmora
