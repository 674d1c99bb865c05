#pragma once
// The commands the server understands, one row each: short and long name, how many arguments
// follow, whether a VFO name may come first, and the labels of the values a get answers.
#include <array>
#include <string_view>

namespace velmora::rigctl {

enum class Action {
    GetFreq,
    SetFreq,
    GetMode,
    SetMode,
    GetVfo,
    SetVfo,
    GetSplitVfo,
    SetSplitVfo,
    GetSplitFreq,
    SetSplitFreq,
    GetSplitMode,
    SetSplitMode,
    GetPtt,
    SetPtt,
    GetRit,
    SetRit,
    GetLevel,
    GetVfoInfo,
    ChkVfo,
    DumpState,
    GetPowerstat,
    GetLockMode,
    SetLockMode,
    Quit,
};

struct RigctlCommand {
    char shortName;  // 0: long form only
    std::string_view longName;
    Action action;
    int arguments;                           // after the optional VFO
    bool takesVfo;                           // a VFO name may come first
    bool isSet;                              // answers RPRT alone
    std::array<std::string_view, 5> labels;  // of the values a get answers, in extended replies
};

// The row named by a token: one character, or a backslash and the long name.
const RigctlCommand* findCommand(std::string_view token);

}  // namespace velmora::rigctl
