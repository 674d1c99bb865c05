#include "panel/display/PanelLayout.h"

namespace velmora {

namespace {
using E = PanelElement;
LayoutRow C(E element, std::vector<int32_t> glyphs, std::vector<SpriteLayout> positions) {
    return {element, LayoutForm::Crossed, std::move(glyphs), std::move(positions)};
}
LayoutRow P(E element, std::vector<int32_t> ids, std::vector<SpriteLayout> places) {
    return {element, LayoutForm::Paired, std::move(ids), std::move(places)};
}

// Glyphs 0-9 normal, 10 blank, 11-20 highlighted, 21 blank.
const std::vector<int32_t> kVfoAGlyphs = {738, 739, 740, 741, 742, 743, 744, 745, 746, 737, 718,
                                          840, 841, 842, 843, 844, 845, 846, 847, 848, 839, 718};
const std::vector<int32_t> kVfoBGlyphs = {748, 749, 750, 751, 752, 753, 754, 755, 756, 747, 720,
                                          850, 851, 852, 853, 854, 855, 856, 857, 858, 849, 720};

std::vector<SpriteLayout> row(int x0, int step, int count, int y, int w, int h) {
    std::vector<SpriteLayout> out;
    for (int k = 0; k < count; ++k) out.push_back({x0 + step * k, y, w, h});
    return out;
}
}  // namespace

// clang-format off
const std::vector<LayoutRow>& glyphLayoutTable() {
    static const std::vector<LayoutRow> table = {
        C(E::VfoADigits,    kVfoAGlyphs, {{479, 44, 17, 26}, {499, 44, 17, 26}, {521, 44, 17, 26},
                                          {541, 44, 17, 26}, {561, 44, 17, 26}, {583, 44, 17, 26},
                                          {603, 44, 17, 26}, {623, 44, 17, 26}}),
        C(E::VfoALastDigit, kVfoAGlyphs, {{623, 44, 17, 26}}),
        C(E::VfoBDigits,    kVfoBGlyphs, {{676, 139, 8, 14}, {686, 139, 8, 14}, {697, 139, 8, 14},
                                          {707, 139, 8, 14}, {717, 139, 8, 14}, {729, 139, 8, 14},
                                          {739, 139, 8, 14}, {749, 139, 8, 14}}),
        C(E::VfoBLastDigit, kVfoBGlyphs, {{749, 139, 8, 14}}),
        C(E::ClarDigits,    {801, 791, 792, 793, 794, 795, 796, 797, 798, 799},
                            {{605, 89, 7, 10}, {614, 89, 7, 10}, {622, 89, 7, 10}, {630, 89, 7, 10}}),
        C(E::BarMeter,      {352, 874, 877}, row(261, 4, 33, 73, 3, 2)),
        C(E::FineOffsetBar, {1175, 1176, 1174}, row(535, 2, 21, 93, 1, 5)),
        // Separator dots: 0 the MHz dot, 1 the kHz dot, 2 the MHz dot blanked.
        P(E::VfoADots,      {777, 777, 778}, {{516, 66, 3, 3}, {578, 66, 3, 3}, {516, 66, 3, 3}}),
        P(E::VfoBDots,      {779, 779, 780}, {{695, 152, 2, 2}, {726, 152, 2, 2}, {695, 152, 2, 2}}),
        P(E::ClarDot,       {800}, {{612, 98, 1, 1}}),
    };
    return table;
}
// clang-format on

}  // namespace velmora
