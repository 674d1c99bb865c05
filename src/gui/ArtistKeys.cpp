// Keys (released and pressed, with their lamp off or lit) and the panel's lamps.
#include <QFont>
#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include "gui/ArtistLegends.h"
#include "gui/ArtistPalette.h"
#include "gui/PanelArtist.h"
#include "gui/PixelFont.h"
#include "panel/display/PanelLayout.h"

namespace velmora::gui {

namespace {

using E = PanelElement;

int statesOf(PanelElement e) {
    for (const LayoutRow& row : elementLayoutTable()) {
        if (row.element == e) return static_cast<int>(row.ids.size());
    }
    return 2;
}

bool hasLamp(PanelElement e) {
    switch (e) {
        case E::LsbKey:
        case E::UsbKey:
        case E::CwKey:
        case E::AmFmKey:
        case E::RttyKey:
        case E::PktKey:
            return false;  // the mode shows in the display, not on the key
        default:
            return statesOf(e) > 2;
    }
}

// The largest font size at which text fits the width, or 0 when even 6 px does not.
int fittingFontSize(const QString& text, int width, int height) {
    for (int px = std::min(10, height - 4); px >= 6; --px) {
        QFont f("DejaVu Sans", -1, QFont::Bold);
        f.setPixelSize(px);
        if (QFontMetrics(f).horizontalAdvance(text) <= width) return px;
    }
    return 0;
}

void drawLegend(QPainter& p, const QRect& face, const QString& text, bool pressed) {
    const QColor ink = pressed ? QColor(0xc8, 0xc8, 0xc8) : QColor(0xf2, 0xf2, 0xf2);
    const int px = fittingFontSize(text, face.width() - 2, face.height());
    if (px == 0) {
        drawPixelText(p, face, text, ink);
        return;
    }
    QFont f("DejaVu Sans", -1, QFont::Bold);
    f.setPixelSize(px);
    p.setFont(f);
    p.setPen(QColor(0, 0, 0, 140));
    p.drawText(face.translated(0, 1), Qt::AlignCenter, text);
    p.setPen(ink);
    p.drawText(face, Qt::AlignCenter, text);
}

void drawLampStripe(QPainter& p, const QRect& face, const QColor& colour, bool lit) {
    const int w = std::max(4, face.width() * 3 / 5), h = face.height() >= 16 ? 3 : 2;
    const QRect stripe(face.center().x() - w / 2 + 1, face.top() + 2, w, h);
    if (lit) {
        QRadialGradient glow(stripe.center(), w * 0.7);
        QColor halo = colour;
        halo.setAlpha(110);
        glow.setColorAt(0, halo);
        glow.setColorAt(1, QColor(0, 0, 0, 0));
        p.fillRect(face, glow);
        p.fillRect(stripe, colour.lighter(120));
    } else {
        p.fillRect(stripe, colour.darker(420));
    }
}

}  // namespace

QImage drawKey(const PictureUse& use) {
    const QSize size(use.size.width, use.size.height);
    const bool pressed = use.state % 2 == 1;
    const bool lit = use.state >= 2;
    QImage img = newSprite(size);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF body(0.5, 0.5, size.width() - 1, size.height() - 1);
    const double radius = std::min(3.0, size.height() / 4.0);
    // Shadow edge under the cap, then the cap.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x0c, 0x0c, 0x0d));
    p.drawRoundedRect(body, radius, radius);
    const QRectF cap =
        pressed ? body.adjusted(1, 1.5, -1, -0.5) : body.adjusted(0.5, 0, -0.5, -1.5);
    QLinearGradient g(cap.topLeft(), cap.bottomLeft());
    g.setColorAt(0, pressed ? QColor(0x3b, 0x3e, 0x42) : QColor(0x6a, 0x6e, 0x74));
    g.setColorAt(1, pressed ? QColor(0x2c, 0x2e, 0x31) : QColor(0x3c, 0x3f, 0x43));
    p.setBrush(g);
    p.setPen(QPen(pressed ? QColor(0x22, 0x23, 0x25) : QColor(0x80, 0x84, 0x8a), 0.8));
    p.drawRoundedRect(cap, radius, radius);
    p.setRenderHint(QPainter::Antialiasing, false);
    const QRect face = cap.toRect();
    if (hasLamp(use.element)) drawLampStripe(p, face, lampColour(use.element, use.state), lit);
    if (!legendOnPanel(use.element)) {
        QRect textArea = face;
        if (hasLamp(use.element)) textArea.setTop(face.top() + 3);
        drawLegend(p, textArea, legendOf(use.element).value(0), pressed);
    }
    p.end();
    return finishSprite(img, palette::kPanelDark);
}

QImage drawLamp(const PictureUse& use) {
    const QSize size(use.size.width, use.size.height);
    const bool lit = use.state >= 2;
    const QColor colour = lampColour(use.element, use.state);
    QImage img = newSprite(size);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF lens(0.5, 0.5, size.width() - 1, size.height() - 1);
    const double r = std::min(lens.width(), lens.height()) / 2;
    p.setPen(QPen(QColor(0x10, 0x10, 0x10), 1));
    QRadialGradient g(lens.center() - QPointF(lens.width() * 0.15, r * 0.3),
                      std::max(lens.width(), lens.height()) * 0.7);
    if (lit) {
        g.setColorAt(0, colour.lighter(170));
        g.setColorAt(0.5, colour);
        g.setColorAt(1, colour.darker(160));
    } else {
        g.setColorAt(0, colour.darker(260));
        g.setColorAt(1, colour.darker(600));
    }
    p.setBrush(g);
    p.drawRoundedRect(lens, r, r);
    // A pressed lamp-key sits a touch deeper.
    if (use.state % 2 == 1) p.fillRect(lens, QColor(0, 0, 0, 60));
    p.end();
    return finishSprite(img, palette::kPanelDark);
}

}  // namespace velmora::gui
