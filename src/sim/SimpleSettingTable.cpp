#include "sim/SimpleSettingTable.h"

#include <iterator>

namespace velmora::sim {

namespace {
constexpr bool kHex = true, kDec = false, kSet = true, kReadOnly = false;

// clang-format off
// code, selectors, width, hex, settable, {min}, {max}, {initial} (main then sub)
const SimpleSetting kRows[] = {
    {"RT", 0, 1, kDec, kSet,      {0, 0},   {1, 1},       {0, 0}},
    {"XT", 0, 1, kDec, kSet,      {0, 0},   {1, 1},       {0, 0}},
    {"SF", 0, 2, kDec, kSet,      {0, 0},   {8, 8},       {8, 8}},
    {"MS", 0, 1, kDec, kSet,      {0, 0},   {5, 5},       {0, 0}},
    {"FT", 0, 1, kDec, kSet,      {0, 0},   {1, 1},       {0, 0}},
    {"FR", 0, 1, kDec, kSet,      {0, 0},   {3, 3},       {0, 0}},
    {"VS", 0, 1, kDec, kSet,      {0, 0},   {1, 1},       {0, 0}},
    {"KR", 0, 1, kDec, kSet,      {0, 0},   {1, 1},       {0, 0}},
    {"TS", 0, 1, kDec, kSet,      {0, 0},   {1, 1},       {0, 0}},
    {"DS", 0, 1, kDec, kSet,      {0, 0},   {1, 1},       {0, 0}},
    {"MX", 0, 1, kDec, kSet,      {0, 0},   {1, 1},       {0, 0}},
    {"VX", 0, 1, kDec, kSet,      {0, 0},   {1, 1},       {0, 0}},
    {"BI", 0, 1, kDec, kSet,      {0, 0},   {1, 1},       {0, 0}},
    {"PR", 0, 1, kDec, kSet,      {0, 0},   {2, 2},       {0, 0}},
    {"CS", 0, 1, kDec, kSet,      {0, 0},   {1, 1},       {0, 0}},
    {"DP", 0, 1, kDec, kSet,      {0, 0},   {6, 6},       {0, 0}},
    {"KP", 0, 2, kDec, kSet,      {0, 0},   {75, 75},     {30, 30}},
    {"KS", 0, 3, kDec, kSet,      {4, 4},   {60, 60},     {20, 20}},
    {"SD", 0, 4, kDec, kSet,      {20, 20}, {5000, 5000}, {200, 200}},
    {"MG", 0, 3, kDec, kSet,      {0, 0},   {255, 255},   {50, 50}},
    {"PL", 0, 3, kDec, kSet,      {0, 0},   {255, 255},   {50, 50}},
    {"VG", 0, 3, kDec, kSet,      {0, 0},   {255, 255},   {50, 50}},
    {"VD", 0, 4, kDec, kSet,      {20, 20}, {5000, 5000}, {500, 500}},
    {"SC", 0, 1, kDec, kSet,      {0, 0},   {2, 2},       {0, 0}},
    {"TX", 0, 1, kDec, kSet,      {0, 0},   {2, 2},       {0, 0}},
    {"UL", 0, 1, kDec, kReadOnly, {0, 0},   {1, 1},       {0, 0}},
    {"AI", 0, 1, kDec, kSet,      {0, 0},   {1, 1},       {0, 0}},
    {"MC", 0, 3, kDec, kSet,      {0, 0},   {117, 117},   {1, 1}},
    {"PC", 0, 3, kDec, kSet,      {0, 0},   {255, 255},   {100, 100}},
    {"RS", 0, 1, kDec, kReadOnly, {0, 0},   {2, 2},       {0, 0}},
    {"PS", 0, 1, kDec, kSet,      {0, 0},   {1, 1},       {1, 1}},
    {"CW", 0, 1, kDec, kSet,      {0, 0},   {1, 1},       {0, 0}},
    {"CA", 1, 3, kDec, kSet,      {0, 0},   {1, 1},       {0, 0}},
    {"BC", 2, 1, kDec, kSet,      {0, 0},   {1, 1},       {0, 0}},
    {"NR", 2, 1, kDec, kSet,      {0, 0},   {1, 1},       {0, 0}},
    {"NA", 2, 1, kDec, kSet,      {0, 0},   {1, 1},       {0, 0}},
    {"NB", 2, 1, kDec, kSet,      {0, 0},   {2, 2},       {0, 0}},
    {"RF", 2, 1, kHex, kSet,      {0, 0},   {10, 6},      {0, 0}},
    {"GT", 2, 1, kDec, kSet,      {0, 0},   {6, 6},       {4, 4}},
    {"RA", 2, 1, kDec, kSet,      {0, 0},   {3, 3},       {0, 0}},
    {"PA", 2, 1, kDec, kSet,      {0, 0},   {3, 2},       {0, 0}},
    {"CT", 2, 1, kDec, kSet,      {0, 0},   {2, 2},       {0, 0}},
    {"OS", 2, 1, kDec, kSet,      {0, 0},   {2, 2},       {0, 0}},
    {"CN", 2, 2, kDec, kSet,      {0, 0},   {49, 49},     {8, 8}},
    {"NL", 2, 3, kDec, kSet,      {0, 0},   {255, 255},   {10, 10}},
    {"SQ", 2, 3, kDec, kSet,      {0, 0},   {255, 255},   {0, 0}},
    {"AG", 2, 3, kDec, kSet,      {0, 0},   {255, 255},   {160, 160}},
    {"RG", 2, 3, kDec, kSet,      {0, 0},   {255, 255},   {255, 255}},
    {"SH", 2, 2, kDec, kSet,      {0, 0},   {31, 31},     {16, 16}},
    {"RL", 2, 2, kDec, kSet,      {1, 1},   {15, 15},     {8, 8}},
    {"MD", 2, 1, kHex, kSet,      {0, 0},   {13, 13},     {2, 2}},
    {"SM", 2, 3, kDec, kReadOnly, {0, 0},   {255, 255},   {60, 30}},
    {"ML", 2, 3, kDec, kSet,      {0, 0},   {1, 255},     {0, 40}},
    {"LM", 2, 1, kDec, kSet,      {0, 0},   {5, 1},       {0, 0}},
    {"PB", 2, 1, kDec, kSet,      {0, 0},   {5, 1},       {0, 0}},
};
// clang-format on
}  // namespace

int findSimpleSetting(std::string_view code) {
    for (int i = 0; i < simpleSettingCount(); ++i)
        if (code.size() == 2 && code[0] == kRows[i].code[0] && code[1] == kRows[i].code[1])
            return i;
    return -1;
}

const SimpleSetting& simpleSetting(int row) {
    return kRows[row];
}

int simpleSettingCount() {
    return static_cast<int>(std::size(kRows));
}

}  // namespace velmora::sim
