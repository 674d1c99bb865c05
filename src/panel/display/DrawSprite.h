#pragma once
// Blitting sprites: one picture of an element, with the transparent colour.
#include "panel/display/Canvas.h"
#include "panel/display/PanelPictures.h"

namespace velmora {

// Draws the sprite's picture into its rectangle. A zero source size stands for the picture's own
// size, so a picture that a table uses at another size is scaled to fit instead of being cut.
void DrawSprite(Canvas& canvas, const PanelSprite& sprite, int32_t sourceWidth = 0,
                int32_t sourceHeight = 0);

// Draws element e in state s. A state outside the group, and any draw of a reserved (empty)
// group, draws nothing.
void drawElement(Canvas& canvas, const PanelPictures& pictures, PanelElement e, int state);

}  // namespace velmora
