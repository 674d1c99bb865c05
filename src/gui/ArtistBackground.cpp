// The full-panel pictures: the background (908), the plain and lit panels (129, 654) from which
// the knob labels are copied, and the start-up logo (879). Every window, plate and seat is placed
// from the element, knob and label tables, so the pictures line up with what is drawn over them.
#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QRandomGenerator>

#include "gui/ArtistLegends.h"
#include "gui/ArtistPalette.h"
#include "gui/PanelArtist.h"
#include "gui/PixelFont.h"
#include "panel/display/LabelRegion.h"
#include "panel/display/PanelLayout.h"

namespace velmora::gui {

namespace {

using E = PanelElement;

QRect rectOf(const SpriteLayout& l) {
    return QRect(l.x, l.y, l.width, l.height);
}

QRect unionOf(std::initializer_list<E> kinds, bool displayWords) {
    QRect r;
    for (const auto* table : {&elementLayoutTable(), &glyphLayoutTable()}) {
        for (const LayoutRow& row : *table) {
            const ElementKind k = kindOf(row.element);
            const bool word = k == ElementKind::DisplayWord || k == ElementKind::MultiPart;
            const bool listed = std::find(kinds.begin(), kinds.end(), row.element) != kinds.end();
            if (!(listed || (displayWords && word))) continue;
            for (const SpriteLayout& l : row.layouts) r = r.united(rectOf(l));
        }
    }
    return r;
}

void brushedMetal(QPainter& p, const QRect& area) {
    QLinearGradient g(area.topLeft(), area.bottomLeft());
    g.setColorAt(0, QColor(0x33, 0x35, 0x39));
    g.setColorAt(0.4, palette::kPanel);
    g.setColorAt(1, QColor(0x22, 0x23, 0x26));
    p.fillRect(area, g);
    QRandomGenerator rng(908);  // the same grain on every start
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const int shade = static_cast<int>(rng.bounded(14)) - 7;
        p.fillRect(
            area.left(), y, area.width(), 1,
            QColor(shade > 0 ? 255 : 0, shade > 0 ? 255 : 0, shade > 0 ? 255 : 0, std::abs(shade)));
    }
}

// A window set into the panel: dark glass, inner shadow, a bevelled rim.
void recessedWindow(QPainter& p, const QRect& glass, const QColor& fill, int rim) {
    const QRect outer = glass.adjusted(-rim, -rim, rim, rim);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x0e, 0x0f, 0x10));
    p.drawRoundedRect(outer, 4, 4);
    p.setPen(QPen(QColor(0x55, 0x58, 0x5d), 1));
    p.setBrush(Qt::NoBrush);
    p.drawLine(outer.bottomLeft() + QPoint(3, 0), outer.bottomRight() - QPoint(3, 0));
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(glass.adjusted(-1, -1, 1, 1), fill);
    QLinearGradient shade(glass.topLeft(), glass.topLeft() + QPoint(0, 6));
    shade.setColorAt(0, QColor(0, 0, 0, 150));
    shade.setColorAt(1, QColor(0, 0, 0, 0));
    p.fillRect(glass.adjusted(-1, -1, 1, 0), shade);
}

void keyPlate(QPainter& p, const QRect& key) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x4a, 0x4d, 0x52), 1));
    p.setBrush(palette::kPanelDark);
    p.drawRoundedRect(QRectF(key).adjusted(-1.5, -1.5, 1.5, 1.5), 3, 3);
    p.setRenderHint(QPainter::Antialiasing, false);
}

void knobSeat(QPainter& p, QPointF centre, double radius) {
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient g(centre, radius + 5);
    g.setColorAt(0.80, QColor(0x0a, 0x0a, 0x0b));
    g.setColorAt(0.93, QColor(0x1c, 0x1d, 0x1f));
    g.setColorAt(1.00, QColor(0x4a, 0x4d, 0x52));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(centre, radius + 5, radius + 5);
    p.setRenderHint(QPainter::Antialiasing, false);
}

// Scale marks around a knob, as printed on the panel.
void knobScale(QPainter& p, QPointF c, double r, int marks) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(palette::kPrintDim, 1));
    for (int k = 0; k < marks; ++k) {
        const double a = (207.0 + 303.0 * k / (marks - 1)) * M_PI / 180.0;
        const QPointF d(std::sin(a), -std::cos(a));
        p.drawLine(c + d * (r + 7), c + d * (r + 10));
    }
    p.setRenderHint(QPainter::Antialiasing, false);
}

void printAbove(QPainter& p, const QRect& item, const QString& text, const QColor& ink) {
    drawPixelText(p, QRect(item.center().x() - 20, item.top() - 8, 41, 6), text, ink);
}
void printBelow(QPainter& p, const QRect& item, const QString& text, const QColor& ink) {
    drawPixelText(p, QRect(item.center().x() - 20, item.bottom() + 3, 41, 6), text, ink);
}

void drawKeysAndLamps(QPainter& p) {
    for (const LayoutRow& row : elementLayoutTable()) {
        const ElementKind k = kindOf(row.element);
        if (k != ElementKind::Key && k != ElementKind::Lamp) continue;
        const QRect r = rectOf(row.layouts.front());
        keyPlate(p, r);
        if (!legendOnPanel(row.element) || row.element == E::AntKeyAlt) continue;
        const QString text = legendOf(row.element).value(0);
        if (k == ElementKind::Lamp && (row.element == E::DnrLampA || row.element == E::DnfLampA ||
                                       row.element == E::DnrLampB || row.element == E::DnfLampB)) {
            printBelow(p, r, text, palette::kPrint);
        } else {
            printAbove(p, r, text, palette::kPrint);
        }
    }
}

struct Seat {
    QPointF centre;
    double radius;
    int marks;  // scale marks printed around it (0: none)
};

// Turning centres of the knobs: the dial, CLAR and DSP knobs (their dimple circles) and the small
// knobs of the meter part (knob picture place + its centre).
constexpr Seat kSeats[] = {
    {{516.5, 220.0}, 76.0, 0},  {{716.0, 271.0}, 28.5, 0},  {{837.5, 271.0}, 30.0, 0},
    {{956.5, 271.0}, 30.0, 0},  {{200.5, 215.5}, 18.0, 11}, {{117.5, 283.5}, 18.0, 11},
    {{340.5, 215.5}, 18.0, 11}, {{270.5, 215.5}, 18.0, 11}, {{49.5, 283.5}, 18.0, 11},
    {{186.5, 283.5}, 18.0, 11}, {{260.0, 283.0}, 24.0, 11}, {{338.0, 283.0}, 24.0, 11},
    {{128.5, 215.5}, 18.0, 6},
};

void drawPanelPrint(QPainter& p) {
    QFont brand("DejaVu Sans", -1, QFont::Bold);
    brand.setPixelSize(13);
    brand.setLetterSpacing(QFont::AbsoluteSpacing, 2);
    p.setFont(brand);
    p.setPen(palette::kPrint);
    p.drawText(QRect(60, 106, 160, 16), Qt::AlignLeft | Qt::AlignVCenter, "ALDREN");
    drawPixelText(p, QRect(150, 111, 70, 6), "HF/50MHZ TRANSCEIVER", palette::kPrintDim);
    drawPixelText(p, QRect(780, 9, 110, 6), "MODE", palette::kPrintDim);
    drawPixelText(p, QRect(660, 9, 112, 6), "BAND", palette::kPrintDim);
    drawPixelText(p, QRect(470, 303, 90, 6), "MAIN DIAL", palette::kPrintDim);
    drawPixelText(p, QRect(700, 306, 32, 6), "CLAR", palette::kPrintDim);
    drawPixelText(p, QRect(818, 306, 40, 6), "MAIN DSP", palette::kPrintDim);
    drawPixelText(p, QRect(937, 306, 40, 6), "SUB DSP", palette::kPrintDim);
    drawPixelText(p, QRect(12, 26, 36, 6), "POWER", palette::kPrintDim);
    drawPixelText(p, QRect(10, 80, 40, 6), "LINK", palette::kPrintDim);
}

void drawLabels(QPainter& p, const QColor& ink) {
    for (const LabelRegion& r : kLabelRegions) {
        const auto q = [](PanelRect x) { return QRect(x.x, x.y, x.width, x.height); };
        drawPixelText(p, q(r.first), r.text, ink);
        if (!r.second.empty() && r.secondText) drawPixelText(p, q(r.second), r.secondText, ink);
    }
}

QImage background(bool litLabels) {
    QImage img(1024, 322, QImage::Format_RGB32);
    QPainter p(&img);
    brushedMetal(p, img.rect());
    // Upper and lower sections divided by a groove.
    p.fillRect(0, 123, 1024, 1, QColor(0x0c, 0x0c, 0x0d));
    p.fillRect(0, 124, 1024, 1, QColor(0x4c, 0x4f, 0x54));
    p.fillRect(0, 0, 1024, 1, QColor(0x5a, 0x5d, 0x62));
    p.fillRect(0, 321, 1024, 1, QColor(0x08, 0x08, 0x09));

    const QRect display =
        unionOf({E::VfoADigits, E::ClarDigits, E::BarMeter, E::FineOffsetBar}, true);
    recessedWindow(p, display.adjusted(-5, -4, 5, 4), palette::kDisplay, 4);
    recessedWindow(p, unionOf({E::VfoBDigits, E::VfoBDots}, false).adjusted(-4, -3, 4, 3),
                   palette::kDisplay, 3);
    recessedWindow(p, QRect(789, 133, 99, 24), palette::kDisplay, 3);
    recessedWindow(p, QRect(909, 133, 99, 24), palette::kDisplay, 3);
    recessedWindow(p, QRect(58, 34, 161, 66), QColor(0xd9, 0xc4, 0x92), 5);

    for (const Seat& s : kSeats) {
        knobSeat(p, s.centre, s.radius);
        if (s.marks) knobScale(p, s.centre, s.radius, s.marks);
    }
    drawKeysAndLamps(p);
    drawPanelPrint(p);
    drawLabels(p, litLabels ? palette::kLabelLit : palette::kPrint);
    return img;
}

QImage logo(QSize size) {
    QImage img(size, QImage::Format_RGB32);
    QPainter p(&img);
    brushedMetal(p, img.rect());
    QFont f("DejaVu Sans", -1, QFont::Bold);
    f.setPixelSize(size.height() / 5);
    f.setLetterSpacing(QFont::AbsoluteSpacing, size.height() / 30.0);
    p.setFont(f);
    p.setPen(palette::kPrint);
    p.drawText(img.rect().adjusted(0, 0, 0, -size.height() / 6), Qt::AlignCenter, "VELMORA");
    f.setPixelSize(size.height() / 14);
    p.setFont(f);
    p.setPen(palette::kAmber);
    p.drawText(img.rect().adjusted(0, size.height() / 3, 0, 0), Qt::AlignCenter,
               "remote control for the ALDREN");
    return img;
}

}  // namespace

QImage drawPanelPicture(const PictureUse& use) {
    switch (use.id) {
        case picture::kLitPanel:
            return background(true);
        case picture::kLogo:
            return logo(QSize(use.size.width, use.size.height));
        default:
            return background(false);
    }
}

}  // namespace velmora::gui
