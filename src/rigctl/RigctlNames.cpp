#include "rigctl/RigctlNames.h"

namespace velmora::rigctl {

namespace {

// clang-format off
// The first row of a radio code is the name it reads back as; the narrow AM and FM codes follow
// their wide names.
constexpr ModeName kModes[] = {
    {"AM",     1ull << 0,  5,  6000},
    {"CW",     1ull << 1,  3,  500},
    {"USB",    1ull << 2,  2,  2400},
    {"LSB",    1ull << 3,  1,  2400},
    {"RTTY",   1ull << 4,  6,  500},
    {"FM",     1ull << 5,  4,  12000},
    {"CWR",    1ull << 7,  7,  500},
    {"RTTYR",  1ull << 8,  9,  500},
    {"PKTLSB", 1ull << 10, 8,  2400},
    {"PKTUSB", 1ull << 11, 12, 2400},
    {"PKTFM",  1ull << 12, 10, 12000},
    {"FM",     1ull << 5,  11, 9000},
    {"AM",     1ull << 0,  13, 3000},
};

struct VfoRow {
    std::string_view name;
    Vfo vfo;
};
constexpr VfoRow kVfos[] = {
    {"VFOA", Vfo::A},       {"VFOB", Vfo::B},  {"Main", Vfo::A}, {"Sub", Vfo::B},
    {"currVFO", Vfo::Current}, {"TX", Vfo::Tx}, {"RX", Vfo::Rx},
};
// clang-format on

}  // namespace

const ModeName* modeByName(std::string_view name) {
    for (const ModeName& m : kModes)
        if (m.name == name) return &m;
    return nullptr;
}

const ModeName* modeByRadioCode(int code) {
    for (const ModeName& m : kModes)
        if (m.radioCode == code) return &m;
    return nullptr;
}

unsigned long long allModeBits() {
    unsigned long long bits = 0;
    for (const ModeName& m : kModes) bits |= m.bit;
    return bits;
}

std::optional<Vfo> vfoByName(std::string_view name) {
    for (const VfoRow& v : kVfos)
        if (v.name == name) return v.vfo;
    return std::nullopt;
}

std::string_view vfoName(int side) {
    return side == 0 ? "VFOA" : "VFOB";
}

}  // namespace velmora::rigctl
