#pragma once
// One picture of a panel element: which picture, and where it goes.
#include <cstdint>
#include <span>

#include "panel/display/Canvas.h"

namespace velmora {

struct PanelSprite {
    int32_t picture = 0;  // the picture id once loaded; 0 = empty (missing or not loaded)
    int32_t pictureWidth = 0, pictureHeight = 0;  // the picture's own size
    int32_t x = 0, y = 0;
    int32_t width = 0, height = 0;  // destination size; the source is as big, at (0, 0)
    int32_t spare1 = 0, spare2 = 0;

    PanelRect rect() const { return {x, y, width, height}; }
};

// The pictures of one element, indexed by state. Reserved groups are empty.
using SpriteGroup = std::span<const PanelSprite>;

}  // namespace velmora
