// Seven-segment digits of the frequency and clarifier displays, separator dots, signs, the bar
// meter segments and the fine offset marks.
#include <QPainter>
#include <QPolygonF>

#include "gui/ArtistLegends.h"
#include "gui/ArtistPalette.h"
#include "gui/PanelArtist.h"

namespace velmora::gui {

namespace {

using E = PanelElement;

// Segments a..g (top, top right, bottom right, bottom, bottom left, top left, middle) per digit.
constexpr unsigned kSegments[10] = {0x3F, 0x06, 0x5B, 0x4F, 0x66, 0x6D, 0x7D, 0x07, 0x7F, 0x6F};

// One segment as a hexagon (or a plain bar when the digit is too small for bevelled ends).
QPolygonF segmentShape(int segment, double w, double h, double t) {
    const double m = h / 2, g = t > 1.5 ? 0.5 : 0.0;  // gap between segments
    auto horizontal = [&](double y) {
        if (t < 1.5) return QPolygonF(QRectF(t, y - t / 2, w - 2 * t, t));
        return QPolygonF({{t / 2 + g, y},
                          {t + g, y - t / 2},
                          {w - t - g, y - t / 2},
                          {w - t / 2 - g, y},
                          {w - t - g, y + t / 2},
                          {t + g, y + t / 2}});
    };
    auto vertical = [&](double x, double y0, double y1) {
        if (t < 1.5) return QPolygonF(QRectF(x - t / 2, y0 + t / 2, t, y1 - y0 - t));
        return QPolygonF({{x, y0 + t / 2 + g},
                          {x + t / 2, y0 + t + g},
                          {x + t / 2, y1 - t - g},
                          {x, y1 - t / 2 - g},
                          {x - t / 2, y1 - t - g},
                          {x - t / 2, y0 + t + g}});
    };
    switch (segment) {
        case 0:
            return horizontal(t / 2);
        case 1:
            return vertical(w - t / 2, 0, m);
        case 2:
            return vertical(w - t / 2, m, h);
        case 3:
            return horizontal(h - t / 2);
        case 4:
            return vertical(t / 2, m, h);
        case 5:
            return vertical(t / 2, 0, m);
        default:
            return horizontal(m);
    }
}

// digit < 0: a blank position (unlit segments only).
QImage sevenSegment(QSize size, int digit, const QColor& on, double thickness) {
    QImage img = newSprite(size);
    QPainter p(&img);
    p.fillRect(img.rect(), palette::kDisplay);
    p.setRenderHint(QPainter::Antialiasing, thickness >= 2);
    p.setPen(Qt::NoPen);
    const double w = size.width() - 1, h = size.height() - 1;
    for (int s = 0; s < 7; ++s) {
        const bool lit = digit >= 0 && (kSegments[digit] >> s & 1u);
        p.setBrush(lit ? on : palette::kSegmentOff);
        p.drawPolygon(segmentShape(s, w, h, thickness).translated(0.5, 0.5));
    }
    p.end();
    return finishSprite(img, palette::kDisplay);
}

QImage filled(QSize size, const QColor& c) {
    QImage img(size, QImage::Format_RGB32);
    img.fill(c);
    return img;
}

QImage frequencyGlyph(const PictureUse& use, double thickness) {
    const QSize size(use.size.width, use.size.height);
    const int g = use.state;
    if (g == 10 || g == 21) return sevenSegment(size, -1, palette::kSegment, thickness);
    if (g >= 11) return sevenSegment(size, g - 11, palette::kHighlight, thickness);
    return sevenSegment(size, g, palette::kSegment, thickness);
}

}  // namespace

QImage drawGlyph(const PictureUse& use) {
    const QSize size(use.size.width, use.size.height);
    switch (use.element) {
        case E::VfoADigits:
        case E::VfoALastDigit:
            return frequencyGlyph(use, 3.0);
        case E::VfoBDigits:
        case E::VfoBLastDigit:
            return frequencyGlyph(use, 1.6);
        case E::ClarDigits:
            return sevenSegment(size, use.state, palette::kSegment, 1.0);
        case E::VfoADots:
        case E::VfoBDots:
            return filled(size, use.state == 2 ? palette::kDisplay : palette::kSegment);
        case E::ClarDot:
            return filled(size, palette::kSegment);
        case E::ClarPlus: {
            QImage img = filled(size, palette::kDisplay);
            QPainter p(&img);
            const QColor c = use.state ? palette::kSegment : palette::kSegmentOff;
            p.fillRect(0, size.height() / 2, size.width(), 1, c);
            p.fillRect(size.width() / 2, 0, 1, size.height(), c);
            return img;
        }
        case E::ClarMinus:
            return filled(size, use.state ? palette::kSegment : palette::kSegmentOff);
        case E::BarMeter: {
            const QColor c = use.state == 0   ? palette::kSegmentOff
                             : use.state == 1 ? palette::kSegment
                                              : palette::kHighlight;
            return filled(size, c);
        }
        case E::FineOffsetBar: {
            // 1175 dim, 1176 lit, 1174 the centre mark.
            const QColor c = use.state == 0   ? palette::kSegmentOff
                             : use.state == 1 ? palette::kSegment
                                              : palette::kHighlight;
            return filled(size, c);
        }
        default:
            return filled(size, palette::kDisplay);
    }
}

}  // namespace velmora::gui
