#include "panel/input/PanelCommandTable.h"

#include <array>
#include <cstddef>

#include "link/MessageIds.h"

namespace velmora {

namespace {

using S = ValueSource;
constexpr uint8_t T = kCarriesTarget, V = kCarriesValue, TV = T | V;
constexpr bool kRun = true, kSame = false;

// clang-format off
// First code, last code, action of the first, run or same action, flags, value.
constexpr PanelCommandRow kRows[] = {
    {  1,   1,   1, kRun,  0,  S::None},            // AI
    {  2,   5,   2, kRun,  0,  S::None},            // PS, DS, MX, VX
    {  6,   6,   6, kRun,  V,  S::MenuChoice},      // AC
    {  8,   9,   8, kRun,  TV, S::MenuChoice},      // AN
    { 10,  10,  10, kRun,  0,  S::None},            // ML
    { 11,  11,  11, kRun,  V,  S::MenuChoice},      // PR
    { 12,  12,  12, kRun,  0,  S::None},            // KR
    { 13,  17,  13, kRun,  TV, S::MenuChoice},      // RA, PA, RF, GT, NB
    { 18,  19,  18, kRun,  0,  S::None},            // BI, CS
    { 28,  29,  20, kRun,  0,  S::None},            // VS
    { 30,  35,  22, kRun,  T,  S::None},            // MK
    { 36,  37,  28, kRun,  0,  S::None},            // QI, QR
    { 38,  38,  30, kRun,  T,  S::None},            // NA
    { 39,  39,  31, kRun,  V,  S::MenuChoice},      // QS / FT
    { 40,  40,  32, kRun,  V,  S::State},           // TS: 1 pressed, 0 released
    { 42,  42, 148, kRun,  0,  S::None},            // CA
    { 44,  52,  33, kRun,  0,  S::None},            // FR FT FS LK AB SV VM MA AM
    { 53,  53,  42, kRun,  0,  S::None},            // menu write
    { 54,  55,  54, kRun,  0,  S::None},            // FS / RT, LK / XT
    { 56,  56, 170, kRun,  0,  S::State},           // long 1, short 0
    { 57,  57, 169, kRun,  0,  S::State},
    { 58,  65, 171, kRun,  V,  S::KcFunction},      // KC of MAIN
    { 66,  76,  43, kRun,  T,  S::None},            // BS
    { 79,  79,  56, kRun,  0,  S::None},            // RC
    { 80,  80,  57, kRun,  V,  S::MenuChoice},      // VF
    { 81,  82,  58, kRun,  0,  S::None},            // BP, BC
    { 83,  83,  60, kRun,  0,  S::MenuChoice},      // CO (the value without its flag)
    { 84,  86,  61, kRun,  0,  S::None},            // NR, FR, FT
    { 92,  92,  69, kRun,  0,  S::None},            // SF
    { 93,  93,  86, kRun,  V,  S::SwitchPosition},  // MS
    { 94, 101, 179, kRun,  V,  S::KcFunction},      // KC of SUB
    {102, 102,  78, kRun,  V,  S::PendingSteps},    // main dial
    {103, 103,  79, kRun,  V,  S::PendingSteps},    // CLAR knob
    {104, 104,  84, kRun,  V,  S::PendingSteps},    // CLAR knob, second function
    {106, 112,  87, kRun,  V,  S::KnobValue},       // ML PL KS KP NL SQ MG
    {113, 113, 108, kRun,  V,  S::KnobValue},       // PC
    {114, 115,  94, kRun,  V,  S::KnobValue},       // VG, VD
    {116, 119,  97, kRun,  V,  S::KnobValue},       // AG RG of SUB, AG RG of MAIN
    {220, 221, 149, kRun,  V,  S::KnobValue},       // NL, SQ of SUB
    {200, 207,  82, kSame, V,  S::Frequency},       // FA
    {216, 216,  82, kRun,  V,  S::Frequency},
    {208, 215,  83, kSame, V,  S::Frequency},       // FB
    {217, 217,  83, kRun,  V,  S::Frequency},
    {218, 219, 151, kRun,  0,  S::None},            // DN, UP
    {222, 229,  80, kSame, V,  S::PendingSteps},    // MAIN multi-function knob
    {230, 237,  81, kSame, V,  S::PendingSteps},    // SUB multi-function knob
};

// The DSP keys' function numbers in code order (58-65, and 94-101 the same).
constexpr std::array<int32_t, 8> kKcFunctions = {5, 1, 3, 4, 2, 8, 6, 7};

// First code, last code, notice of the first; the codes after it take the notices after it.
struct ImageRun {
    int32_t first, last;
    uint32_t notice;
};
constexpr ImageRun kImages[] = {
    {  1,   7, notice::COM_KEY},
    {  8,   8, notice::ANT_KEY_ALT},
    {  9,  40, notice::RX_ANT_KEY},
    { 42,  42, notice::CLASS_A_KEY},
    { 43,  53, notice::CS_KEY},
    { 54,  55, notice::RX_CLAR_KEY},
    { 56,  57, notice::CLAR_GRP_KEY},
    { 58,  65, notice::PRESEL_FTUNE_KEY_A},
    { 66,  77, notice::BAND_50_KEY},
    { 79,  86, notice::CLEAR_KEY},
    { 92,  92, notice::AB_KEY},
    { 94, 101, notice::PRESEL_KEY_B},
    {218, 218, notice::DOWN_KEY},
    {219, 219, notice::UP_KEY},
};
// clang-format on

}  // namespace

const PanelCommandRow* panelCommandRow(int32_t code) {
    for (const PanelCommandRow& row : kRows) {
        if (code >= row.first && code <= row.last) return &row;
    }
    return nullptr;
}

int panelAction(const PanelCommandRow& row, int32_t code) {
    return row.consecutive ? row.action + (code - row.first) : row.action;
}

int32_t kcFunctionOf(int32_t code) {
    const int32_t first = code >= 94 ? 94 : 58;
    const int32_t i = code - first;
    return i >= 0 && i < 8 ? kKcFunctions[static_cast<std::size_t>(i)] : 0;
}

uint32_t keyImageNotice(int32_t code) {
    for (const ImageRun& run : kImages) {
        if (code >= run.first && code <= run.last) {
            return run.notice + static_cast<uint32_t>(code - run.first);
        }
    }
    return 0;
}

}  // namespace velmora
