#pragma once
// A 3 x 5 pixel font for the display's tiny status words and the panel's knob labels: at 5 to 7
// pixels of height a vector font turns to mush, pixel glyphs stay legible.
#include <QColor>
#include <QPainter>
#include <QRect>
#include <QString>

namespace velmora::gui {

// Width in pixels of text with the given gap between glyphs.
int pixelTextWidth(const QString& text, int gap = 1);
// Draws text centred in rect; the gap shrinks to 0 when the text would not fit.
void drawPixelText(QPainter& p, const QRect& rect, const QString& text, const QColor& colour);

}  // namespace velmora::gui
