#pragma once
// The Canvas of the Qt window: a persistent 1024 x 322 back buffer. The display draws into it at
// once; the window's paint event only copies it to the screen.
#include <QImage>

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
    const QImage& backBuffer() const { return buffer_; }
    // Bumped on every drawing call, so the window knows when to ask for a repaint.
    uint64_t generation() const { return generation_; }
    // The panel area drawn since the last call, which the repaint then covers.
    QRect takeDrawnArea();

  private:
    void drew(const QRect& area);

    const QtPictureSource& pictures_;
    QImage buffer_;
    uint64_t generation_ = 0;
    QRect drawn_;
};

}  // namespace velmora::gui
