#pragma once
// The tables the picture loader is driven by: for each group its picture ids and its layouts.
#include <cstdint>
#include <vector>

#include "panel/display/PanelElement.h"

namespace velmora {

struct SpriteLayout {
    int32_t x, y, width, height;
    int32_t spare1 = 0, spare2 = 0;
};

enum class LayoutForm {
    // Record k takes id k and layout k. A group lists each place once: a multi-part indicator's
    // second lighting reuses the places of the first (layout k modulo the number of places).
    Paired,
    // Glyph sets: for each layout (a position) every id of the glyph list; record index =
    // position x glyph count + glyph index.
    Crossed,
};

struct LayoutRow {
    PanelElement element;
    LayoutForm form;
    std::vector<int32_t> ids;
    std::vector<SpriteLayout> layouts;
};

// The element table (keys, lamps, display words).
const std::vector<LayoutRow>& elementLayoutTable();
// The digit glyph sets, separator dots, bar meter and fine offset bar.
const std::vector<LayoutRow>& glyphLayoutTable();

}  // namespace velmora
