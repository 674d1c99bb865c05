#pragma once
// The names clients use for modes and VFOs, and how they map onto the radio.
#include <optional>
#include <string_view>

namespace velmora::rigctl {

struct ModeName {
    std::string_view name;
    unsigned long long bit;  // the mode's bit in the client library's mode masks
    int radioCode;           // what MD carries for it
    int normalWidth;         // Hz, the filter the radio uses for it
};

// One row per client mode name, then the radio's other codes that read back as one of them.
const ModeName* modeByName(std::string_view name);
const ModeName* modeByRadioCode(int code);
// Every mode the radio offers, or'ed.
unsigned long long allModeBits();

enum class Vfo { A, B, Current, Tx, Rx };
std::optional<Vfo> vfoByName(std::string_view name);
std::string_view vfoName(int side);

}  // namespace velmora::rigctl
