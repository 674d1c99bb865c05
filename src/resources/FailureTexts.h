#pragma once
// The failure texts of the link, indexed by the lParam of WM_COMM_FAILURE: whether the entry is
// shown at all and which string-table text it shows.
#include <array>
#include <cstdint>

#include "resources/StringTable.h"

namespace velmora {

struct FailureText {
    bool enabled;
    int stringId;
};

namespace failure {
inline constexpr intptr_t kPortOpen = 0;
inline constexpr intptr_t kMenuFile = 1;
inline constexpr intptr_t kCommSetting = 2;
inline constexpr intptr_t kConnect = 3;
}  // namespace failure

//                                              enabled  string id
inline constexpr std::array<FailureText, 4> kFailureTexts{{
    {true, string_id::kPortOpenFailed},     // 0: the port cannot be opened
    {false, string_id::kMenuFileFailed},    // 1: the menu file (the table is built in)
    {true, string_id::kCommSettingFailed},  // 2: CommSetting.csv cannot be read
    {true, string_id::kConnectFailed},      // 3: no answer, or the wrong radio
}};

// The entry of index i, or null outside the table.
constexpr const FailureText* failureText(intptr_t i) {
    return i >= 0 && i < static_cast<intptr_t>(kFailureTexts.size())
               ? &kFailureTexts[static_cast<size_t>(i)]
               : nullptr;
}

}  // namespace velmora
