#pragma once
// Every picture the panel uses, with the size it is drawn at and, for element pictures, the first
// element and state that use it. The built-in artist draws from this list, so the pictures and
// the layout tables cannot disagree.
#include <cstdint>
#include <vector>

#include "panel/display/PanelElement.h"
#include "panel/display/PictureSource.h"

namespace velmora {

struct PictureUse {
    int32_t id;
    PictureSize size;
    PanelElement element;  // PanelElement::Count for the pictures outside the element groups
    int state;             // record index in the element's group (glyph index for glyph sets)
};

const std::vector<PictureUse>& panelPictureUses();
const PictureUse* findPictureUse(int32_t id);

// Pictures outside the element groups.
namespace picture {
inline constexpr int32_t kBackground = 908, kPlainPanel = 129, kLitPanel = 654, kLogo = 879;
inline constexpr int32_t kMainDial = 460, kMainDimple = 461, kClarKnob = 467, kDspKnob = 469;
inline constexpr int32_t kSmallDimple = 889, kSmallKnob = 465, kMeterKnob = 468, kGainKnob = 994;
inline constexpr int32_t kMeterFace = 464;
inline constexpr int32_t kFilterBlank = 970, kFilterDnr = 1177;
}  // namespace picture

}  // namespace velmora
