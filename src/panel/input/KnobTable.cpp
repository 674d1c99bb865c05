#include "panel/input/KnobTable.h"

#include <cmath>

#include "link/MessageIds.h"
#include "link/RadioRecords.h"

namespace velmora {

namespace {

// clang-format off
constexpr ValueKnobPair kPairs[] = {
    {{200, 215}, 106, 107},
    {{ 49, 283}, 112, 113},
    {{186, 283}, 114, 115},
    {{340, 215}, 110, 111},
    {{270, 215}, 220, 221},
    {{117, 283}, 108, 109},
    {{260, 283}, 116, 117},
    {{338, 283}, 118, 119},
};

#define REC(field) [](const RadioRecords& r) -> const BoundedInt& { return r.field; }

// The AF and RF gain knobs 116/117 set the SUB receiver (AG1, RG1) and 118/119 the MAIN one, so
// each starts from its own receiver's value.
constexpr ValueKnobRow kValueKnobs[] = {
    // code  min   max  click wheel repeat light  record
    {106,    1,   255,   1,   20,   10,    0,  REC(mlLevel)},
    {107,    0,   255,   1,   20,   10,    1,  REC(pl)},
    {108,    4,    60,   1,    5,    3,    2,  REC(ks)},
    {109,    0,    75,   1,    5,    5,    3,  REC(kp)},
    {110,    0,   255,   1,   20,   10,    4,  REC(nl[kMain])},
    {111,    0,   255,   1,   20,   10,    5,  REC(sq[kMain])},
    {112,    0,   255,   1,   20,   10,    6,  REC(mg)},
    {113,    0,   255,   1,   20,   10,   19,  REC(pc)},
    {114,    0,   255,   1,   20,   10,    7,  REC(vg)},
    {115,   20,  5000,  20,  400,  200,    8,  REC(vd)},
    {116,    0,   255,   1,   20,   10,   13,  REC(ag[kSub])},
    {117,    0,   255,   1,   20,   10,   14,  REC(rg[kSub])},
    {118,    0,   255,   1,   20,   10,   15,  REC(ag[kMain])},
    {119,    0,   255,   1,   20,   10,   16,  REC(rg[kMain])},
    {220,    0,   255,   1,   20,   10,   20,  REC(nl[kSub])},
    {221,    0,   255,   1,   20,   10,   21,  REC(sq[kSub])},
};
#undef REC

// Function 1..6 of a multi-function knob -> its code on the MAIN side (SUB: + 8). Function 3 is
// the contour, or the APF (code + 1) in the CW modes while the contour/APF state is 0 or 2.
constexpr int32_t kFunctionCodes[] = {0, 222, 223, 224, 228, 226, 229};
// clang-format on

constexpr double kDegreesPerRadian = 180 * 0.3183099524062959;  // 1/pi with pi as 3.141592

}  // namespace

std::span<const ValueKnobPair> valueKnobPairs() {
    return kPairs;
}

const ValueKnobRow* valueKnobRow(int32_t code) {
    for (const ValueKnobRow& row : kValueKnobs) {
        if (row.code == code) return &row;
    }
    return nullptr;
}

const KnobPlace* knobPlaceOf(int32_t code) {
    using namespace panel_code;
    if (code == MAIN_DIAL) return &kMainDialPlace;
    if (code == CLAR_DIAL || code == CLAR_DIAL_2) return &kClarKnobPlace;
    if (code >= MAIN_KNOB_FIRST && code <= MAIN_KNOB_LAST) return &kMainKnobPlace;
    if (code >= SUB_KNOB_FIRST && code <= SUB_KNOB_LAST) return &kSubKnobPlace;
    return nullptr;
}

uint32_t knobImageNotice(int32_t code) {
    using namespace panel_code;
    if (code == MAIN_DIAL) return notice::MAIN_DIAL;
    if (code == CLAR_DIAL) return notice::CLAR_KNOB;
    if (code == CLAR_DIAL_2) return notice::CLAR_KNOB_LARGE;
    if (code >= MAIN_KNOB_FIRST && code <= MAIN_KNOB_LAST) {
        return notice::DSP_KNOB_A + static_cast<uint32_t>(code - MAIN_KNOB_FIRST);
    }
    if (code >= SUB_KNOB_FIRST && code <= SUB_KNOB_LAST) {
        return notice::DSP_KNOB_B + static_cast<uint32_t>(code - SUB_KNOB_FIRST);
    }
    return 0;
}

int32_t clarCode(int32_t assignment) {
    if (assignment == 7 || assignment == 0) return panel_code::CLAR_DIAL;
    if (assignment == 8) return panel_code::CLAR_DIAL_2;
    return 0;
}

int32_t multiFunctionCode(int side, int32_t function, int32_t mode, int32_t contourState) {
    if (function < 1 || function > 6) return 0;
    int32_t code = kFunctionCodes[function];
    const bool cwMode = mode == 3 || mode == 7;
    if (function == 3 && cwMode && (contourState == 0 || contourState == 2)) ++code;
    return side == kSub ? code + 8 : code;
}

int32_t angleAround(PanelPoint p, PanelPoint centre) {
    const double dx = p.x - centre.x, dy = p.y - centre.y;
    const auto a = static_cast<int16_t>(std::trunc(std::atan2(dx, dy) * kDegreesPerRadian));
    return 180 - a;
}

}  // namespace velmora
