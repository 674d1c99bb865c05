#include "panel/display/DrawSprite.h"

namespace velmora {

void DrawSprite(Canvas& canvas, const PanelSprite& sprite, int32_t sourceWidth,
                int32_t sourceHeight) {
    if (sprite.picture == 0) return;
    const PanelRect source{0, 0, sourceWidth ? sourceWidth : sprite.pictureWidth,
                           sourceHeight ? sourceHeight : sprite.pictureHeight};
    canvas.drawPicture(sprite.picture, source, sprite.rect());
}

void DrawElement(Canvas& canvas, const PanelPictures& pictures, PanelElement e, int state) {
    const SpriteGroup group = pictures.group(e);
    if (state < 0 || static_cast<size_t>(state) >= group.size()) return;
    DrawSprite(canvas, group[static_cast<size_t>(state)]);
}

}  // namespace velmora
