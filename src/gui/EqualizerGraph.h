#pragma once
// The equalizer's graph (control 1071): the grid with its dB and Hz labels, the combined response
// in black and the three bands in their colours, the selected band on top and OFF bands dimmed,
// drawn antialiased at any size and pixel ratio. Each band's peak carries a handle: dragging it
// moves FREQ and LEVEL, the wheel changes the selected band's BWTH, all through the editor's
// step path. Under the pointer the graph reads out the frequency and level.
// A step or a drag frame repaints only what moves: what stays (background, grid, labels and the
// dimmed flat bands) is a picture at the screen's pixel ratio, made again only when the size, the
// ratio or the set of flat bands changes; the live curves are drawn over a copy of it.
#include <QLineF>
#include <QList>
#include <QPixmap>
#include <QPointF>
#include <QWidget>
#include <array>
#include <optional>

#include "equalizer/EqualizerCurve.h"
#include "equalizer/EqualizerEditor.h"

namespace velmora::gui {

class EqualizerGraph : public QWidget {
    Q_OBJECT
  public:
    EqualizerGraph(QWidget* parent, equalizer::EqualizerEditor& editor);

    // The whole graph into painter over a widget of size.
    void render(QPainter& painter, QSize size) const;
    // A design point (900 x 352) as a widget point, and back.
    QPointF toWidget(QPointF design) const;
    QPointF toDesign(QPointF widget) const;
    // Where band's handle is, in design pixels; nothing for a flat band.
    std::optional<QPointF> handle(int band) const;
    QSize sizeHint() const override { return {920, 420}; }
    QSize minimumSizeHint() const override { return {460, 220}; }

  signals:
    // The operator changed a value on the graph.
    void edited();

  protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;
    void leaveEvent(QEvent* e) override;

  private:
    // What the still picture depends on besides size and ratio: the flat bands, and the selected
    // one when it is flat (drawn wider).
    unsigned stillKey() const;
    const QPixmap& still(QSize size, qreal ratio) const;
    QRectF plotRect(QSize size) const;
    QRect readoutRect() const;
    void drawGrid(QPainter& p, const QRectF& plot) const;
    QPen bandPen(int band, bool flat) const;
    void drawFlatBands(QPainter& p, const QRectF& plot) const;
    void drawCurves(QPainter& p, const QRectF& plot) const;
    void drawCurve(QPainter& p, const QRectF& plot, const equalizer::CurveDb& db) const;
    void drawHandles(QPainter& p, const QRectF& plot) const;
    void drawReadout(QPainter& p, const QRectF& plot) const;
    void dragTo(QPointF design);

    equalizer::EqualizerEditor& editor_;
    int dragBand_ = 0;
    std::optional<QPointF> pointer_;  // widget coordinates, while over the graph
    int wheelRemainder_ = 0;
    // The still picture and what it was made for.
    mutable QPixmap still_;
    mutable QSize stillSize_;
    mutable qreal stillRatio_ = 0;
    mutable unsigned stillKey_ = 0;
    // The curve points' widget X for the plot at xsLeft_ and xsWidth_, and the segments handed
    // to the painter, kept between frames so a frame allocates nothing.
    mutable std::array<double, equalizer::kCurvePoints> xs_{};
    mutable double xsLeft_ = -1, xsWidth_ = -1;
    mutable QList<QLineF> segments_;
};

}  // namespace velmora::gui
