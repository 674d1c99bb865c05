// Knobs with a metallic sheen, knurled skirts and finger dimples.
#include <QConicalGradient>
#include <QPainter>
#include <QRadialGradient>
#include <cmath>

#include "gui/ArtistPalette.h"
#include "gui/PanelArtist.h"

namespace velmora::gui {

namespace {

using namespace picture;

struct KnobShape {
    QPointF centre;  // in the picture: where the knob's turning centre falls
    double radius;
    bool big;
};

// Centres follow the dimple circles and hit centres, which sit off the pictures' middles.
KnobShape shapeOf(int32_t id, QSize size) {
    switch (id) {
        case kMainDial:
            return {{78.5, 78.0}, 76.0, true};
        case kClarKnob:
            return {{39.0, 39.5}, 28.5, false};
        case kDspKnob:
            return {{34.5, 35.0}, 30.0, false};
        default:
            return {{size.width() / 2.0, size.height() / 2.0},
                    std::min(size.width(), size.height()) / 2.0 - 1.5,
                    false};
    }
}

void drawKnurl(QPainter& p, const QPointF& c, double r, int teeth) {
    p.setPen(QPen(QColor(0x08, 0x08, 0x09, 200), 1.0));
    for (int k = 0; k < teeth; ++k) {
        const double a = 2 * M_PI * k / teeth;
        p.drawLine(QPointF(c.x() + std::cos(a) * (r - 3), c.y() + std::sin(a) * (r - 3)),
                   QPointF(c.x() + std::cos(a) * r, c.y() + std::sin(a) * r));
    }
}

QImage knob(int32_t id, QSize size) {
    const KnobShape s = shapeOf(id, size);
    QImage img = newSprite(size);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // Shadow on the panel, then the skirt.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 150));
    p.drawEllipse(s.centre + QPointF(1.2, 1.8), s.radius, s.radius);
    QRadialGradient skirt(s.centre, s.radius);
    skirt.setColorAt(0.8, QColor(0x30, 0x32, 0x35));
    skirt.setColorAt(1.0, QColor(0x15, 0x16, 0x17));
    p.setBrush(skirt);
    p.drawEllipse(s.centre, s.radius, s.radius);
    drawKnurl(p, s.centre, s.radius, s.big ? 120 : 48);
    // The top: brushed metal with a conical sheen.
    const double top = s.radius * (s.big ? 0.86 : 0.74);
    QConicalGradient sheen(s.centre, 60);
    sheen.setColorAt(0.00, QColor(0x9a, 0x9e, 0xa4));
    sheen.setColorAt(0.15, QColor(0x4a, 0x4d, 0x52));
    sheen.setColorAt(0.35, QColor(0xb8, 0xbc, 0xc2));
    sheen.setColorAt(0.55, QColor(0x44, 0x47, 0x4b));
    sheen.setColorAt(0.75, QColor(0xa8, 0xac, 0xb2));
    sheen.setColorAt(0.90, QColor(0x50, 0x53, 0x58));
    sheen.setColorAt(1.00, QColor(0x9a, 0x9e, 0xa4));
    p.setBrush(sheen);
    p.setPen(QPen(QColor(0x10, 0x10, 0x11), 1.0));
    p.drawEllipse(s.centre, top, top);
    QRadialGradient shade(s.centre - QPointF(top * 0.3, top * 0.4), top * 1.3);
    shade.setColorAt(0, QColor(255, 255, 255, 40));
    shade.setColorAt(1, QColor(0, 0, 0, 90));
    p.setBrush(shade);
    p.setPen(Qt::NoPen);
    p.drawEllipse(s.centre, top, top);
    p.end();
    return finishSprite(img, palette::kPanelDark);
}

QImage dimple(QSize size, double radius) {
    QImage img = newSprite(size);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF c(size.width() / 2.0, size.height() / 2.0);
    QRadialGradient g(c + QPointF(radius * 0.25, radius * 0.3), radius * 1.1);
    g.setColorAt(0, QColor(0x7a, 0x7e, 0x84));
    g.setColorAt(0.7, QColor(0x3a, 0x3c, 0x40));
    g.setColorAt(1, QColor(0x1c, 0x1d, 0x1f));
    p.setBrush(g);
    p.setPen(QPen(QColor(0xc0, 0xc4, 0xca, 160), 1.0));
    p.drawEllipse(c, radius, radius);
    p.end();
    return finishSprite(img, QColor(0x70, 0x73, 0x78));
}

}  // namespace

QImage drawKnobPicture(const PictureUse& use) {
    const QSize size(use.size.width, use.size.height);
    switch (use.id) {
        case kMainDimple:
            return dimple(size, 12.0);
        case kSmallDimple:
            return dimple(size, 5.0);
        default:
            return knob(use.id, size);
    }
}

}  // namespace velmora::gui
