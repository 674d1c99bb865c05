#include "gui/ArtistPalette.h"

namespace velmora::gui {

QImage newSprite(QSize size) {
    QImage img(size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    return img;
}

QImage finishSprite(const QImage& painted, const QColor& under) {
    const QImage src = painted.convertToFormat(QImage::Format_ARGB32);
    QImage out(src.size(), QImage::Format_RGB32);
    for (int y = 0; y < src.height(); ++y) {
        const QRgb* in = reinterpret_cast<const QRgb*>(src.constScanLine(y));
        QRgb* o = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < src.width(); ++x) {
            const int a = qAlpha(in[x]);
            if (a < 40) {
                o[x] = qRgb(0, 255, 0);
                continue;
            }
            const auto mix = [a](int c, int u) { return (c * a + u * (255 - a)) / 255; };
            QRgb c = qRgb(mix(qRed(in[x]), under.red()), mix(qGreen(in[x]), under.green()),
                          mix(qBlue(in[x]), under.blue()));
            // Never produce the transparent colour by accident.
            if (c == qRgb(0, 255, 0)) c = qRgb(0, 254, 0);
            o[x] = c;
        }
    }
    return out;
}

}  // namespace velmora::gui
