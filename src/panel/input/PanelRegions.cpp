#include "panel/input/PanelRegions.h"

#include <array>

namespace velmora {

namespace {

// clang-format off
constexpr PanelRegion kRegions[] = {
    {  0,   0,   47, 122,  1},
    {477,  42,  643,  72,  2},  // MAIN frequency digits
    {655,   0,  774, 122,  3},  // keypad
    {784,   0,  892, 122,  4},
    {904,   0, 1012, 122,  5},
    {  0, 125,  379, 322,  6},  // then the switch and the value knobs
    {379, 125,  653, 322,  7},  // then the main dial
    {655, 161,  777, 322,  8},  // then the CLAR knob
    {781, 161,  894, 322,  9},  // then the MAIN multi-function knob
    {901, 161, 1016, 322, 10},  // then the SUB multi-function knob
    {660, 131,  773, 161, 11},  // SUB frequency digits
};

constexpr PanelZone kZones1[] = {
    { 21,  90,  38, 102,   1}, { 19,  36,  39,  68,   2},
};
constexpr PanelZone kZones2[] = {
    {623,  44, 640,  70, 200}, {603,  44, 620,  70, 201}, {583,  44, 600,  70, 202},
    {561,  44, 578,  70, 203}, {541,  44, 558,  70, 204}, {521,  44, 538,  70, 205},
    {499,  44, 516,  70, 206}, {479,  44, 496,  70, 207},
};
constexpr PanelZone kZones3[] = {
    {664,  27, 691,  41,  67}, {703,  27, 730,  41,  68}, {741,  27, 768,  41,  69},
    {664,  50, 691,  64,  70}, {703,  50, 730,  64,  71}, {741,  50, 768,  64,  72},
    {664,  74, 691,  88,  73}, {703,  74, 730,  88,  74}, {741,  74, 768,  88,  75},
    {664,  97, 691, 111,  76}, {703,  97, 730, 111,  66}, {741,  97, 768, 111,  77},
};
constexpr PanelZone kZones4[] = {
    {793,  27, 833,  47,  30}, {843,  27, 883,  47,  31}, {793,  60, 833,  80,  32},
    {843,  60, 883,  80,  33}, {793,  93, 833, 113,  34}, {843,  93, 883, 113,  35},
};
constexpr PanelZone kZones5[] = {
    {913,  27, 949,  47,  17}, {965,  27, 1001, 47,  19}, {913,  60, 949,  80,  12},
    {965,  60, 1001, 80,  18}, {913,  90, 952, 113, 218}, {962,  90, 1001, 113, 219},
};
constexpr PanelZone kZones6[] = {
    { 23, 151,  45, 168,   3}, { 59, 151,  81, 168,   6}, { 23, 181,  45, 198,   4},
    { 59, 181,  81, 198,  10}, { 23, 211,  45, 228,   5}, { 59, 211,  81, 228,  11},
    {109, 151, 131, 174,   9}, {149, 151, 177, 174,   8}, {192, 151, 220, 174,  13},
    {249, 151, 277, 174,  14}, {292, 151, 320, 174,  15}, {334, 151, 362, 174,  16},
};
constexpr PanelZone kZones7[] = {
    {449, 139, 467, 147,  44}, {565, 139, 583, 147,  45}, {387, 148, 412, 161,  28},
    {414, 144, 438, 160,  29}, {392, 171, 433, 184,  36}, {392, 192, 422, 205,  37},
    {392, 214, 424, 227,  38}, {392, 235, 424, 248,  39}, {392, 256, 433, 269,  40},
    {392, 281, 424, 294,  42}, {424, 281, 458, 296,  43}, {590, 145, 619, 162,  46},
    {622, 148, 646, 162,  47}, {600, 171, 641, 184,  48}, {609, 192, 641, 205,  49},
    {612, 214, 641, 227,  50}, {609, 235, 641, 248,  51}, {600, 256, 641, 269,  52},
    {575, 281, 641, 297,  53},
};
constexpr PanelZone kZones8[] = {
    {660, 226, 678, 234,  85}, {755, 226, 773, 234,  86}, {669, 170, 693, 184,  54},
    {704, 170, 728, 184,  79}, {739, 170, 763, 184,  55}, {669, 196, 693, 210,  56},
    {704, 196, 728, 210,  57}, {739, 196, 763, 210,  92},
};
constexpr PanelZone kZones9[] = {
    {791, 170, 815, 184,  58}, {826, 170, 850, 184,  59}, {861, 170, 885, 184,  60},
    {791, 196, 815, 210,  61}, {826, 196, 850, 210,  62}, {861, 196, 885, 210,  63},
    {785, 226, 798, 239,  64}, {878, 226, 891, 239,  65},
};
constexpr PanelZone kZones10[] = {
    {910, 170, 934, 184,  94}, {945, 170, 969, 184,  95}, {980, 170, 1004, 184, 96},
    {910, 196, 934, 210,  97}, {945, 196, 969, 210,  98}, {980, 196, 1004, 210, 99},
    {904, 226, 917, 239, 100}, {997, 226, 1010, 239, 101},
};
constexpr PanelZone kZones11[] = {
    {749, 139, 756, 153, 208}, {739, 139, 747, 153, 209}, {729, 139, 737, 153, 210},
    {717, 139, 725, 153, 211}, {707, 139, 715, 153, 212}, {697, 139, 705, 153, 213},
    {686, 139, 694, 153, 214}, {676, 139, 684, 153, 215},
};

// The region whose zones hold each key code: first code, last code, region kind.
struct CodeRegion {
    int32_t first, last;
    int kind;
};
constexpr CodeRegion kCodeRegions[] = {
    {  1,   2,  1},
    {  3,  11,  6}, { 13,  16,  6},
    { 12,  12,  5}, { 17,  19,  5}, {218, 219,  5},
    { 28,  29,  7}, { 36,  53,  7},
    { 30,  35,  4},
    { 54,  57,  8}, { 79,  79,  8}, { 85,  86,  8}, { 92,  92,  8},
    { 58,  65,  9},
    { 66,  77,  3},
    { 94, 101, 10},
};
// clang-format on

const std::array<std::span<const PanelZone>, kRegionCount + 1> kZoneTables = {
    std::span<const PanelZone>{},
    kZones1,
    kZones2,
    kZones3,
    kZones4,
    kZones5,
    kZones6,
    kZones7,
    kZones8,
    kZones9,
    kZones10,
    kZones11,
};

}  // namespace

std::span<const PanelRegion> panelRegions() {
    return kRegions;
}

std::span<const PanelZone> panelZones(int kind) {
    if (kind < 1 || kind > kRegionCount) return {};
    return kZoneTables[static_cast<size_t>(kind)];
}

int regionAt(PanelPoint p) {
    for (const PanelRegion& r : kRegions) {
        if (rowContains(r, p)) return r.kind;
    }
    return 0;
}

int32_t zoneAt(int kind, PanelPoint p) {
    for (const PanelZone& z : panelZones(kind)) {
        if (rowContains(z, p)) return z.code;
    }
    return 0;
}

int regionOfCode(int32_t code) {
    for (const CodeRegion& c : kCodeRegions) {
        if (code >= c.first && code <= c.last) return c.kind;
    }
    return 0;
}

}  // namespace velmora
