// The display's status words: pixel-font text on the display glass, dim or lit.
#include <QPainter>

#include "gui/ArtistLegends.h"
#include "gui/ArtistPalette.h"
#include "gui/PanelArtist.h"
#include "gui/PixelFont.h"

namespace velmora::gui {

namespace {

using E = PanelElement;

// Transmit and warning words light orange; the rest in the digits' pale blue-grey.
QColor litColour(PanelElement e) {
    switch (e) {
        case E::TxA:
        case E::TxB:
        case E::HiSwr:
        case E::Rec:
            return palette::kHighlight;
        default:
            return palette::kSegment;
    }
}

}  // namespace

QImage drawDisplayWord(const PictureUse& use) {
    const QStringList words = legendOf(use.element);
    QString text;
    bool lit = use.state >= 1;
    if (kindOf(use.element) == ElementKind::MultiPart) {
        const int parts = partsOf(use.element);
        const int part = use.state % parts;
        const bool firstLighting = use.state < parts;
        lit = firstLighting == litFirst(use.element);
        text = words.value(part);
    } else {
        text = words.value(0);
    }
    QImage img(use.size.width, use.size.height, QImage::Format_RGB32);
    img.fill(palette::kDisplay);
    QPainter p(&img);
    drawPixelText(p, img.rect(), text, lit ? litColour(use.element) : palette::kSegmentOff);
    return img;
}

}  // namespace velmora::gui
