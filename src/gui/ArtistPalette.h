#pragma once
// The built-in artist's colours and its sprite helpers.
#include <QColor>
#include <QImage>
#include <QSize>

namespace velmora::gui::palette {

inline const QColor kPanel(0x2a, 0x2c, 0x2f);  // charcoal metal
inline const QColor kPanelLight(0x3a, 0x3d, 0x41);
inline const QColor kPanelDark(0x18, 0x19, 0x1b);
inline const QColor kPrint(0xc9, 0xcd, 0xd2);  // legends printed on the panel
inline const QColor kPrintDim(0x8a, 0x90, 0x96);
inline const QColor kDisplay(0x0b, 0x13, 0x18);     // the display window's glass
inline const QColor kSegment(0xc4, 0xd6, 0xe6);     // pale blue-grey digits and lit words
inline const QColor kSegmentOff(0x14, 0x1e, 0x25);  // unlit segments and dim words
inline const QColor kHighlight(0xff, 0x8c, 0x1a);   // orange cursor digits
inline const QColor kAmber(0xff, 0xb0, 0x20);
inline const QColor kGreen(0x4c, 0xf0, 0x5a);
inline const QColor kRed(0xff, 0x3b, 0x2a);
inline const QColor kOrange(0xff, 0x80, 0x10);
inline const QColor kLabelLit(0xff, 0xc0, 0x40);  // knob labels while their knob is selected

}  // namespace velmora::gui::palette

namespace velmora::gui {

// A fully transparent ARGB image to paint a sprite on.
QImage newSprite(QSize size);
// Turns a painted sprite into the stored form: opaque pixels as they are, edge pixels blended
// over `under` (the colour the sprite usually sits on), empty pixels the transparent colour.
QImage finishSprite(const QImage& painted, const QColor& under);

}  // namespace velmora::gui
