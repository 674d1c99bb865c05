#include "gui/EqualizerGraph.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <cmath>

#include "equalizer/EqualizerCurve.h"

namespace velmora::gui {

using namespace equalizer;

namespace {

constexpr int kLeftMargin = 34, kBottomMargin = 18, kTopMargin = 18, kRightMargin = 12;
constexpr double kHandleRadius = 6, kGrabRadius = 12;
const QColor kBackground(246, 244, 236);
const QColor kGrid(255, 128, 0);
const QColor kBandColours[kBandCount] = {QColor(255, 0, 0), QColor(0, 0, 255), QColor(0, 255, 0)};
constexpr int kDimmedAlpha = 70;

QString hzLabel(int hz) {
    return QString::number(hz);
}

}  // namespace

EqualizerGraph::EqualizerGraph(QWidget* parent, EqualizerEditor& editor)
    : QWidget(parent), editor_(editor) {
    setObjectName("1071");
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    // The still picture covers every pixel: nothing under the graph needs painting first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QRectF EqualizerGraph::plotRect(QSize size) const {
    return QRectF(kLeftMargin, kTopMargin, std::max(1, size.width() - kLeftMargin - kRightMargin),
                  std::max(1, size.height() - kTopMargin - kBottomMargin));
}

QPointF EqualizerGraph::toWidget(QPointF d) const {
    const QRectF r = plotRect(size());
    return {r.left() + d.x() * r.width() / kGraphWidth,
            r.top() + d.y() * r.height() / kGraphHeight};
}

QPointF EqualizerGraph::toDesign(QPointF w) const {
    const QRectF r = plotRect(size());
    return {(w.x() - r.left()) * kGraphWidth / r.width(),
            (w.y() - r.top()) * kGraphHeight / r.height()};
}

std::optional<QPointF> EqualizerGraph::handle(int band) const {
    const BandShape s = bandShape(band, editor_.current());
    if (s.flat) return std::nullopt;
    return QPointF(xOfHz(s.centreHz), yOfDb(s.levelDb));
}

void EqualizerGraph::paintEvent(QPaintEvent* e) {
    QPainter p(this);
    const QRectF plot = plotRect(size());
    // A pointer move without a drag dirties only the readout strip above the plot: the curves
    // are left as they are.
    if (e->rect().intersects(plot.toAlignedRect())) {
        render(p, size());
        return;
    }
    p.drawPixmap(0, 0, still(size(), devicePixelRatioF()));
    drawReadout(p, plot);
}

void EqualizerGraph::render(QPainter& p, QSize size) const {
    const QRectF plot = plotRect(size);
    p.drawPixmap(0, 0, still(size, p.device()->devicePixelRatioF()));
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.save();
    p.setClipRect(plot);
    drawCurves(p, plot);
    drawHandles(p, plot);
    p.restore();
    drawReadout(p, plot);
}

unsigned EqualizerGraph::stillKey() const {
    unsigned key = 0;
    for (int band = 1; band <= kBandCount; ++band) {
        if (bandShape(band, editor_.current()).flat) key |= 1u << band;
    }
    return key & (1u << editor_.selectedBand()) ? key | 1u : key;
}

const QPixmap& EqualizerGraph::still(QSize size, qreal ratio) const {
    const unsigned key = stillKey();
    if (!still_.isNull() && stillSize_ == size && stillRatio_ == ratio && stillKey_ == key)
        return still_;
    stillSize_ = size;
    stillRatio_ = ratio;
    stillKey_ = key;
    still_ = QPixmap(size * ratio);
    still_.setDevicePixelRatio(ratio);
    QPainter g(&still_);
    g.setRenderHint(QPainter::Antialiasing);
    g.setRenderHint(QPainter::TextAntialiasing);
    const QRectF plot = plotRect(size);
    g.fillRect(QRect(QPoint(0, 0), size), palette().window());
    g.fillRect(plot, kBackground);
    drawGrid(g, plot);
    g.setClipRect(plot);
    drawFlatBands(g, plot);
    return still_;
}

void EqualizerGraph::drawGrid(QPainter& p, const QRectF& plot) const {
    const double sx = plot.width() / kGraphWidth, sy = plot.height() / kGraphHeight;
    QFont f = font();
    f.setPointSizeF(std::max(6.0, f.pointSizeF() * 0.8));
    p.setFont(f);
    const QFontMetricsF fm(f);
    QPen dotted(kGrid, 0, Qt::DotLine);
    for (const int hz : gridFrequencies()) {
        const double x = plot.left() + xOfHz(hz) * sx;
        p.setPen(dotted);
        p.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
        p.setPen(palette().color(QPalette::WindowText));
        const QString t = hzLabel(hz);
        p.drawText(QPointF(x - fm.horizontalAdvance(t) / 2, plot.bottom() + fm.ascent() + 2), t);
    }
    for (int db = kGridTopDb; db >= -kGridTopDb; db -= kGridStepDb) {
        const double y = plot.top() + yOfDb(db) * sy;
        p.setPen(dotted);
        if (db != 0) p.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        p.setPen(palette().color(QPalette::WindowText));
        const QString t = db > 0 ? QString("+%1").arg(db) : QString::number(db);
        p.drawText(QPointF(plot.left() - fm.horizontalAdvance(t) - 4, y + fm.ascent() / 2 - 1), t);
    }
    p.setPen(QPen(kGrid, 3 * std::min(sx, sy) + 0.5));
    const double zero = plot.top() + kZeroDbY * sy;
    p.drawLine(QPointF(plot.left(), zero), QPointF(plot.right(), zero));
}

QPen EqualizerGraph::bandPen(int band, bool flat) const {
    QColor c = kBandColours[band - 1];
    if (flat) c.setAlpha(kDimmedAlpha);
    return QPen(c, band == editor_.selectedBand() ? 2.5 : 1.5);
}

void EqualizerGraph::drawFlatBands(QPainter& p, const QRectF& plot) const {
    // A flat band is the 0 dB line: one segment instead of a curve of 201 points.
    const double zero = plot.top() + kZeroDbY * plot.height() / kGraphHeight;
    for (int band = 1; band <= kBandCount; ++band) {
        if (!bandShape(band, editor_.current()).flat) continue;
        p.setPen(bandPen(band, true));
        p.drawLine(QPointF(plot.left(), zero), QPointF(plot.right(), zero));
    }
}

void EqualizerGraph::drawCurves(QPainter& p, const QRectF& plot) const {
    const EqualizerValues& v = editor_.current();
    if (xsLeft_ != plot.left() || xsWidth_ != plot.width()) {
        xsLeft_ = plot.left();
        xsWidth_ = plot.width();
        const auto& hz = curveFrequencies();
        for (size_t k = 0; k < xs_.size(); ++k)
            xs_[k] = plot.left() + xOfHz(hz[k]) * plot.width() / kGraphWidth;
    }
    p.setBrush(Qt::NoBrush);
    std::array<CurveDb, kBandCount> bands{};
    CurveDb sum{};
    for (int band = 1; band <= kBandCount; ++band) {
        const BandShape s = bandShape(band, v);
        if (s.flat) continue;
        CurveDb& one = bands[static_cast<size_t>(band - 1)];
        one = bandCurve(s);
        for (size_t k = 0; k < sum.size(); ++k) sum[k] += one[k];
    }
    p.setPen(QPen(Qt::black, 1.5));
    drawCurve(p, plot, sum);
    const int selected = editor_.selectedBand();
    for (int k = 0; k < kBandCount; ++k) {
        // The selected band last, on top of the others; flat bands are in the still picture.
        const int band = k == kBandCount - 1 ? selected : (k + 1 >= selected ? k + 2 : k + 1);
        if (bandShape(band, v).flat) continue;
        p.setPen(bandPen(band, false));
        drawCurve(p, plot, bands[static_cast<size_t>(band - 1)]);
    }
}

void EqualizerGraph::drawCurve(QPainter& p, const QRectF& plot, const CurveDb& db) const {
    // Drawn as 200 separate segments: a wide antialiased polyline is stroked and filled as one
    // outline, four to five times slower; the segments' square caps close the joins.
    const double sy = plot.height() / kGraphHeight;
    segments_.resize(kCurvePoints - 1);
    QPointF from(xs_[0], plot.top() + yOfDb(db[0]) * sy);
    for (size_t k = 1; k < db.size(); ++k) {
        const QPointF to(xs_[k], plot.top() + yOfDb(db[k]) * sy);
        segments_[static_cast<qsizetype>(k - 1)] = QLineF(from, to);
        from = to;
    }
    p.drawLines(segments_);
}

void EqualizerGraph::drawHandles(QPainter& p, const QRectF& plot) const {
    const double sx = plot.width() / kGraphWidth, sy = plot.height() / kGraphHeight;
    for (int band = 1; band <= kBandCount; ++band) {
        const auto h = handle(band);
        if (!h) continue;
        const QPointF c(plot.left() + h->x() * sx, plot.top() + h->y() * sy);
        const bool selected = band == editor_.selectedBand();
        p.setPen(QPen(selected ? Qt::black : Qt::darkGray, selected ? 2 : 1));
        p.setBrush(kBandColours[band - 1]);
        p.drawEllipse(c, kHandleRadius, kHandleRadius);
    }
}

void EqualizerGraph::drawReadout(QPainter& p, const QRectF& plot) const {
    if (!pointer_ || !plot.contains(*pointer_)) return;
    const QPointF d = toDesign(*pointer_);
    const QString text =
        QString("%1 Hz   %2 dB").arg(std::lround(hzOfX(d.x()))).arg(dbOfY(d.y()), 0, 'f', 1);
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(QRectF(plot.left(), 0, plot.width(), plot.top()), Qt::AlignRight | Qt::AlignVCenter,
               text);
}

void EqualizerGraph::mousePressEvent(QMouseEvent* e) {
    setFocus();
    if (e->button() != Qt::LeftButton) return;
    double best = kGrabRadius;
    dragBand_ = 0;
    for (int band = 1; band <= kBandCount; ++band) {
        const auto h = handle(band);
        if (!h) continue;
        const double d = QLineF(toWidget(*h), e->position()).length();
        if (d > best) continue;
        best = d;
        dragBand_ = band;
    }
    if (dragBand_ == 0) return;
    editor_.selectBand(dragBand_);
    emit edited();
}

QRect EqualizerGraph::readoutRect() const {
    return QRect(0, 0, width(), static_cast<int>(plotRect(size()).top()));
}

void EqualizerGraph::mouseMoveEvent(QMouseEvent* e) {
    pointer_ = e->position();
    // A drag redraws the curves (the editor's step updates the window); a bare move only the
    // readout.
    if (dragBand_ != 0 && (e->buttons() & Qt::LeftButton)) dragTo(toDesign(e->position()));
    update(readoutRect());
}

void EqualizerGraph::mouseReleaseEvent(QMouseEvent*) {
    dragBand_ = 0;
}

void EqualizerGraph::leaveEvent(QEvent*) {
    pointer_.reset();
    update(readoutRect());
}

void EqualizerGraph::dragTo(QPointF design) {
    // The nearest table frequency on the logarithmic axis (a dragged band stays on), and the
    // level under the pointer.
    const auto table = bandFrequencies(dragBand_);
    const double hz = hzOfX(design.x());
    int nearest = 1;
    for (int i = 1; i < static_cast<int>(table.size()); ++i) {
        if (std::abs(std::log(hz / table[static_cast<size_t>(i)])) <
            std::abs(std::log(hz / table[static_cast<size_t>(nearest)])))
            nearest = i;
    }
    const auto level = static_cast<int32_t>(std::lround(dbOfY(design.y())));
    const ValueRange range = paramRange(paramIndex(dragBand_, Param::Level));
    bool changed = editor_.stepTo(paramIndex(dragBand_, Param::Freq), nearest);
    changed = editor_.stepTo(paramIndex(dragBand_, Param::Level),
                             std::clamp(level, range.min, range.max)) ||
              changed;
    if (changed) emit edited();
}

void EqualizerGraph::wheelEvent(QWheelEvent* e) {
    wheelRemainder_ += e->angleDelta().y();
    const int notches = wheelRemainder_ / QWheelEvent::DefaultDeltasPerStep;
    wheelRemainder_ -= notches * QWheelEvent::DefaultDeltasPerStep;
    if (notches != 0 && editor_.step(paramIndex(editor_.selectedBand(), Param::Bwth), notches))
        emit edited();
    e->accept();
}

}  // namespace velmora::gui
