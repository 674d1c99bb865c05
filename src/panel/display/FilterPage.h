#pragma once
// The drawing of one filter-display page: the display's own rectangle cleared, the page title,
// a rounded frame and the page's passband or scale in the light colour.
#include "panel/display/Canvas.h"
#include "panel/display/FilterDisplay.h"

namespace velmora {

// The display of side (0 VFO-A, 1 VFO-B).
PanelRect filterDisplayArea(int side);
// The title picture of page (1..5; WID and FTUNE by the flags), 0 for none.
int32_t filterTitlePicture(int page, bool widthTitle, bool ftune);
// Draws page for the inputs; a page outside 1..6 draws nothing.
void DrawFilterPage(Canvas& canvas, int side, int page, bool widthTitle, const FilterInputs& in);

}  // namespace velmora
