#include "gui/RotatorCompass.h"

#include <QPainter>
#include <QtMath>

namespace velmora::gui {

namespace {
constexpr int kOverlapFrom = 360;
constexpr int kOverlapSpan = 90;
}  // namespace

RotatorCompass::RotatorCompass(QWidget* parent) : QWidget(parent) {
    setObjectName("compass");
    setMinimumSize(80, 80);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void RotatorCompass::setDirection(int degrees) {
    if (degrees == degrees_) return;
    degrees_ = degrees;
    update();
}

void RotatorCompass::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const int side = std::min(width(), height()) - 8;
    const QRectF face((width() - side) / 2.0, (height() - side) / 2.0, side, side);
    p.setPen(QPen(Qt::black, 2));
    p.setBrush(Qt::white);
    p.drawEllipse(face);
    // Qt's angles run counter-clockwise from 3 o'clock in 1/16 degree; the compass clockwise
    // from north.
    p.setPen(QPen(QColor(255, 0, 0), 6));
    p.drawArc(face.adjusted(4, 4, -4, -4), 90 * 16, -kOverlapSpan * 16);
    p.setPen(Qt::black);
    const QPointF c = face.center();
    const qreal r = side / 2.0;
    for (int d = 0; d < 360; d += 30) {
        const qreal a = qDegreesToRadians(static_cast<qreal>(d));
        const QPointF dir(qSin(a), -qCos(a));
        p.drawLine(c + dir * r * 0.85, c + dir * r);
    }
    p.drawText(QRectF(c.x() - 10, face.top() + r * 0.18, 20, 16), Qt::AlignCenter, "N");
    const qreal a = qDegreesToRadians(static_cast<qreal>(degrees_ % 360));
    const QColor needle = degrees_ >= kOverlapFrom ? QColor(255, 0, 0) : QColor(255, 128, 0);
    p.setPen(QPen(needle, 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c, c + QPointF(qSin(a), -qCos(a)) * r * 0.8);
}

}  // namespace velmora::gui
