#pragma once
// The built-in artist: draws every panel picture at its table size when no skin provides it.
// Each returns the stored form (RGB, transparent colour for the holes).
#include <QImage>

#include "panel/display/PictureCatalogue.h"

namespace velmora::gui {

QImage drawBuiltInPicture(const PictureUse& use);

// The parts, one file each.
QImage drawDisplayWord(const PictureUse& use);
QImage drawGlyph(const PictureUse& use);
QImage drawKey(const PictureUse& use);
QImage drawLamp(const PictureUse& use);
QImage drawKnobPicture(const PictureUse& use);
QImage drawMeterPicture(const PictureUse& use);
QImage drawPanelPicture(const PictureUse& use);

}  // namespace velmora::gui
