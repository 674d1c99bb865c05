#pragma once
// What every display rule needs: where to draw, the element pictures, and the store to read.
#include "link/RadioStateStore.h"
#include "panel/display/DrawSprite.h"

namespace velmora {

struct DisplayContext {
    Canvas& canvas;
    const PanelPictures& pictures;
    const RadioStateStore& store;

    void draw(PanelElement e, int state) const { drawElement(canvas, pictures, e, state); }
    // Lamps and words: state 1 lit, 0 unlit.
    void drawLit(PanelElement e, bool lit) const { draw(e, lit ? 1 : 0); }
};

}  // namespace velmora
