#include "gui/QtCanvas.h"

#include <QPainter>
#include <QPolygon>
#include <utility>

#include "panel/display/PictureCatalogue.h"

namespace velmora::gui {

namespace {
QColor toQ(Rgb c) {
    return QColor(c.r, c.g, c.b);
}
QRect toQ(PanelRect r) {
    return QRect(r.x, r.y, r.width, r.height);
}
QPolygon toQ(std::span<const PanelPoint> points) {
    QPolygon poly;
    for (const PanelPoint& p : points) poly << QPoint(p.x, p.y);
    return poly;
}
// A pen's stroke reaches half its width (and antialiasing a pixel) beyond the points.
QRect stroked(const QRect& r, int width) {
    const int m = width / 2 + 1;
    return r.normalized().adjusted(-m, -m, m, m);
}
}  // namespace

QRect QtCanvas::takeDrawnArea() {
    endPainting();
    return std::exchange(drawn_, QRect());
}

QPainter& QtCanvas::painter() {
    if (!painter_.isActive()) {
        painter_.begin(&buffer_);
        // Scaled copies (a few knobs) are smoothed; 1:1 copies stay pixel exact either way.
        painter_.setRenderHint(QPainter::SmoothPixmapTransform);
    }
    return painter_;
}

void QtCanvas::endPainting() const {
    if (painter_.isActive()) painter_.end();
}

void QtCanvas::drew(const QRect& area) {
    ++generation_;
    drawn_ |= area;
}

QtCanvas::QtCanvas(const QtPictureSource& pictures)
    : pictures_(pictures), buffer_(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied) {
    buffer_.fill(Qt::black);
}

void QtCanvas::drawPicture(int32_t pictureId, PanelRect source, PanelRect dest) {
    const QImage* img = pictures_.image(pictureId);
    if (!img || dest.empty() || source.empty()) return;
    painter().drawImage(toQ(dest), *img, toQ(source));
    drew(toQ(dest));
}

void QtCanvas::drawLine(PanelPoint from, PanelPoint to, Rgb colour, int width) {
    QPainter& p = painter();
    p.setPen(QPen(toQ(colour), width));
    p.drawLine(from.x, from.y, to.x, to.y);
    drew(stroked(QRect(QPoint(from.x, from.y), QPoint(to.x, to.y)), width));
}

void QtCanvas::drawPolyline(std::span<const PanelPoint> points, Rgb colour, int width) {
    QPainter& p = painter();
    p.setPen(QPen(toQ(colour), width));
    p.drawPolyline(toQ(points));
    drew(stroked(toQ(points).boundingRect(), width));
}

void QtCanvas::fillPolygon(std::span<const PanelPoint> points, Rgb colour) {
    QPainter& p = painter();
    p.setPen(Qt::NoPen);
    p.setBrush(toQ(colour));
    p.drawPolygon(toQ(points));
    drew(stroked(toQ(points).boundingRect(), 1));
}

void QtCanvas::drawRoundedRect(PanelRect rect, int radius, Rgb frame, const Rgb* fill) {
    QPainter& p = painter();
    p.setPen(toQ(frame));
    p.setBrush(fill ? QBrush(toQ(*fill)) : QBrush(Qt::NoBrush));
    p.drawRoundedRect(toQ(rect), radius, radius);
    drew(stroked(toQ(rect), 1));
}

void QtCanvas::fillRect(PanelRect rect, Rgb colour) {
    painter().fillRect(toQ(rect), toQ(colour));
    drew(toQ(rect));
}

void QtCanvas::drawBackground() {
    drawPicture(picture::kBackground, {0, 0, kWidth, kHeight}, {0, 0, kWidth, kHeight});
}

}  // namespace velmora::gui
