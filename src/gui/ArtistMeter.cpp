// The analog meter face with its scales, and the filter displays' small pictures.
#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "gui/ArtistPalette.h"
#include "gui/PanelArtist.h"
#include "gui/PixelFont.h"

namespace velmora::gui {

namespace {

// The needle turns around (139, 192) on the panel, 81 px right of and 158 px below the face's
// corner, over -25 to +26 degrees.
const QPointF kPivot(81, 158);

QPointF onArc(double radius, double degrees) {
    const double a = degrees * M_PI / 180.0;
    return kPivot + QPointF(radius * std::sin(a), -radius * std::cos(a));
}

void drawScale(QPainter& p, double radius, const QColor& ink, const QStringList& marks,
               double redFrom) {
    QPainterPath arc;
    for (int d = -25; d <= 26; ++d) {
        if (d == -25)
            arc.moveTo(onArc(radius, d));
        else
            arc.lineTo(onArc(radius, d));
    }
    p.setPen(QPen(ink, 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawPath(arc);
    const int n = static_cast<int>(marks.size());
    for (int k = 0; k < n; ++k) {
        const double d = -25 + 51.0 * k / (n - 1);
        const QColor c = d >= redFrom ? palette::kRed.darker(130) : ink;
        p.setPen(QPen(c, 1.0));
        p.drawLine(onArc(radius, d), onArc(radius + 4, d));
        const QPointF at = onArc(radius + 9, d);
        p.setRenderHint(QPainter::Antialiasing, false);
        drawPixelText(p, QRect(int(at.x()) - 8, int(at.y()) - 3, 16, 6), marks[k], c);
        p.setRenderHint(QPainter::Antialiasing, true);
    }
}

QImage meterFace(QSize size) {
    QImage img(size, QImage::Format_RGB32);
    QPainter p(&img);
    QLinearGradient g(0, 0, 0, size.height());
    g.setColorAt(0, QColor(0xf6, 0xe7, 0xc0));  // backlit warm face
    g.setColorAt(1, QColor(0xd9, 0xc4, 0x92));
    p.fillRect(img.rect(), g);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor ink(0x2a, 0x22, 0x18);
    drawScale(p, 145, ink, {"1", "3", "5", "7", "9", "+20", "+40", "+60"}, 10);
    drawScale(p, 125, ink, {"0", "50", "100", "150"}, 99);
    drawScale(p, 108, ink, {"1", "1.5", "2", "3", "5"}, 10);
    p.setRenderHint(QPainter::Antialiasing, false);
    drawPixelText(p, QRect(4, 10, 12, 6), "S", ink);
    drawPixelText(p, QRect(4, 30, 12, 6), "PO", ink);
    drawPixelText(p, QRect(4, 48, 16, 6), "SWR", ink);
    drawPixelText(p, QRect(size.width() - 24, size.height() - 8, 22, 6), "ALDREN", ink);
    return img;
}

QImage filterPicture(const PictureUse& use) {
    const QSize size(use.size.width, use.size.height);
    QImage img(size, QImage::Format_RGB32);
    img.fill(palette::kDisplay);
    QPainter p(&img);
    const QColor light(144, 184, 225);
    static const std::map<int32_t, QString> kTexts = {
        {1186, "0"},     {1187, "1"},     {1188, "2"},   {1190, "3"},
        {1191, "4"},     {1192, "5"},     {1193, "6"},   {1194, "7"},
        {1195, "8"},     {1196, "9"},     {1197, "."},   {1199, "+"},
        {1198, "-"},     {1200, "HZ"},    {1189, "KHZ"}, {1182, "SFT"},
        {1185, "WID"},   {1179, "CTR"},   {1178, "APF"}, {1180, "NTC"},
        {1184, "PRSEL"}, {1183, "FTUNE"}, {1181, "OFF"}, {picture::kFilterDnr, "DNR"}};
    const auto it = kTexts.find(use.id);
    if (it != kTexts.end()) drawPixelText(p, img.rect(), it->second, light);
    return img;
}

}  // namespace

QImage drawMeterPicture(const PictureUse& use) {
    if (use.id == picture::kMeterFace) return meterFace(QSize(use.size.width, use.size.height));
    return filterPicture(use);
}

}  // namespace velmora::gui
