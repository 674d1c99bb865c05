#pragma once
// The Canvas of the Qt window: a persistent 1024 x 322 back buffer. The display draws into it at
// once; the window's paint event only copies it to the screen.
#include <QImage>
#include <QPainter>

#include "gui/QtPictureSource.h"
#include "panel/display/Canvas.h"

namespace velmora::gui {

class QtCanvas : public Canvas {
  public:
    static constexpr int kWidth = kPanelWidth, kHeight = kPanelHeight;

    explicit QtCanvas(const QtPictureSource& pictures);

    void drawPicture(int32_t pictureId, PanelRect source, PanelRect dest) override;
    void drawLine(PanelPoint from, PanelPoint to, Rgb colour, int width) override;
    void drawPolyline(std::span<const PanelPoint> points, Rgb colour, int width) override;
    void fillPolygon(std::span<const PanelPoint> points, Rgb colour) override;
    void drawRoundedRect(PanelRect rect, int radius, Rgb frame, const Rgb* fill) override;
    void fillRect(PanelRect rect, Rgb colour) override;

    // Wipes every element: the background picture over the whole buffer.
    void drawBackground();
    // The buffer with every drawing call done.
    const QImage& backBuffer() const {
        endPainting();
        return buffer_;
    }
    // Bumped on every drawing call, so the window knows when to ask for a repaint.
    uint64_t generation() const { return generation_; }
    // The panel area drawn since the last call, which the repaint then covers; ends the
    // handler's painting.
    QRect takeDrawnArea();

  private:
    // One painter serves all the drawing calls of a handler: opening one per call cost more
    // than most of the small copies it made.
    QPainter& painter();
    void endPainting() const;
    void drew(const QRect& area);

    const QtPictureSource& pictures_;
    QImage buffer_;
    uint64_t generation_ = 0;
    QRect drawn_;
    // Declared after the buffer, so it ends before the buffer goes.
    mutable QPainter painter_;
};

}  // namespace velmora::gui
