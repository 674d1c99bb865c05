#include "rigctl/RigctlCommands.h"

namespace velmora::rigctl {

namespace {

using A = Action;

// clang-format off
constexpr RigctlCommand kCommands[] = {
    {'f', "get_freq",       A::GetFreq,      0, true,  false, {"Frequency"}},
    {'F', "set_freq",       A::SetFreq,      1, true,  true,  {}},
    {'m', "get_mode",       A::GetMode,      0, true,  false, {"Mode", "Passband"}},
    {'M', "set_mode",       A::SetMode,      2, true,  true,  {}},
    {'v', "get_vfo",        A::GetVfo,       0, false, false, {"VFO"}},
    {'V', "set_vfo",        A::SetVfo,       1, false, true,  {}},
    {'s', "get_split_vfo",  A::GetSplitVfo,  0, true,  false, {"Split", "TX VFO"}},
    {'S', "set_split_vfo",  A::SetSplitVfo,  2, true,  true,  {}},
    {'i', "get_split_freq", A::GetSplitFreq, 0, true,  false, {"TX Frequency"}},
    {'I', "set_split_freq", A::SetSplitFreq, 1, true,  true,  {}},
    {'x', "get_split_mode", A::GetSplitMode, 0, true,  false, {"TX Mode", "TX Passband"}},
    {'X', "set_split_mode", A::SetSplitMode, 2, true,  true,  {}},
    {'t', "get_ptt",        A::GetPtt,       0, true,  false, {"PTT"}},
    {'T', "set_ptt",        A::SetPtt,       1, true,  true,  {}},
    {'j', "get_rit",        A::GetRit,       0, true,  false, {"RIT"}},
    {'J', "set_rit",        A::SetRit,       1, true,  true,  {}},
    {'l', "get_level",      A::GetLevel,     1, true,  false, {"Level Value"}},
    {0,   "get_vfo_info",   A::GetVfoInfo,   1, false, false,
        {"Freq", "Mode", "Width", "Split", "SatMode"}},
    {0,   "chk_vfo",        A::ChkVfo,       0, false, false, {}},
    {0,   "dump_state",     A::DumpState,    0, false, false, {}},
    {0,   "get_powerstat",  A::GetPowerstat, 0, false, false, {"Power Status"}},
    {0,   "get_lock_mode",  A::GetLockMode,  0, false, false, {"Locked"}},
    {0,   "set_lock_mode",  A::SetLockMode,  1, false, true,  {}},
    {'q', "quit",           A::Quit,         0, false, true,  {}},
    {'Q', "quit",           A::Quit,         0, false, true,  {}},
};
// clang-format on

}  // namespace

const RigctlCommand* findCommand(std::string_view token) {
    const bool longForm = token.size() > 1 && token.front() == '\\';
    if (!longForm && token.size() != 1) return nullptr;
    for (const RigctlCommand& c : kCommands) {
        if (longForm ? c.longName == token.substr(1) : c.shortName == token.front()) return &c;
    }
    return nullptr;
}

}  // namespace velmora::rigctl
