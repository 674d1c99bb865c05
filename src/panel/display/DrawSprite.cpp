#include "panel/display/DrawSprite.h"

#include <algorithm>

namespace velmora {

void DrawSprite(Canvas& canvas, const PanelSprite& sprite, int32_t sourceWidth,
                int32_t sourceHeight) {
    if (sprite.picture == 0) return;
    // A zero source size stands for the destination size: the picture's top-left corner, 1:1.
    // A picture smaller than its place is stretched rather than read past its edge.
    const PanelRect source{
        0, 0, sourceWidth ? sourceWidth : std::min(sprite.width, sprite.pictureWidth),
        sourceHeight ? sourceHeight : std::min(sprite.height, sprite.pictureHeight)};
    canvas.drawPicture(sprite.picture, source, sprite.rect());
}

void drawElement(Canvas& canvas, const PanelPictures& pictures, PanelElement e, int state) {
    const SpriteGroup group = pictures.group(e);
    if (state < 0 || static_cast<size_t>(state) >= group.size()) return;
    DrawSprite(canvas, group[static_cast<size_t>(state)]);
}

}  // namespace velmora
