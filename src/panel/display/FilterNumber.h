#pragma once
// The number a filter-display page shows beside its graph, as the display's own digit, sign and
// unit pictures: Hz up to 999, kHz with two decimals from 1000, a plain count without a unit.
#include <cstdint>
#include <string>

#include "panel/display/Canvas.h"

namespace velmora {

enum class FilterUnit { None, Hz };

struct FilterNumber {
    int32_t value = 0;
    FilterUnit unit = FilterUnit::None;
    bool sign = false;  // a leading "+" or "-" (none for 0)
};

// The characters the number is drawn from: digits, '.', '+', '-', and 'H' for the Hz picture or
// 'K' for the kHz picture at the end ("+1.20K", "-250H", "128").
std::string filterNumberText(const FilterNumber& n);
// The picture of one of those characters, 0 for any other.
int32_t filterGlyphPicture(char c);
// Draws the number right-aligned in the column left of the graph: the digits on top, the unit
// under them; area is the display's rectangle.
void DrawFilterNumber(Canvas& canvas, PanelRect area, const FilterNumber& n);

}  // namespace velmora
