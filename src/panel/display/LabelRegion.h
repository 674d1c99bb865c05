#pragma once
// The small label areas beside the knobs that light up while their knob is selected: copied from
// the lit panel picture (654) or the plain one (129).
#include <array>

#include "panel/display/Canvas.h"

namespace velmora {

inline constexpr int32_t kPlainPanelPicture = 129;
inline constexpr int32_t kLitPanelPicture = 654;

struct LabelRegion {
    PanelRect first;
    PanelRect second;  // empty for labels of one part
    const char* text;  // what the panel prints there (first part, then second)
    const char* secondText;
};

inline constexpr int kLabelRegionCount = 22;
extern const std::array<LabelRegion, kLabelRegionCount> kLabelRegions;

// Copies entry index (both parts when it has two) from the lit or plain panel picture to the same
// place. An index outside the table draws nothing.
void DrawLabelRegion(Canvas& canvas, bool lit, int index);

}  // namespace velmora
