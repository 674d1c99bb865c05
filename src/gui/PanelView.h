#pragma once
// The window's client area: shows the back buffer, scaled to the widget when the window is
// larger than the panel, and maps widget positions back to panel pixels.
#include <QImage>
#include <QWidget>
#include <functional>

namespace velmora::gui {

class PanelView : public QWidget {
    Q_OBJECT
  public:
    PanelView(const QImage& backBuffer, QWidget* parent);

    // Where the panel lies in the widget: the largest rectangle of the panel's shape, centred.
    QRect panelRect() const;
    // A widget position as a panel pixel (may fall outside the panel: the margins of a
    // letterboxed window map below 0 or beyond the panel's size, never onto its edge).
    QPoint toPanel(QPoint widgetPos) const;
    // Repaints the part of the widget that shows this panel area.
    void updatePanelArea(const QRect& area);
    QSize panelSize() const { return buffer_.size(); }
    int paints() const { return paints_; }
    // Called when the view is shown again (the full repaint follows).
    void setShownHook(std::function<void()> hook) { shown_ = std::move(hook); }

  protected:
    void paintEvent(QPaintEvent* e) override;
    void showEvent(QShowEvent* e) override;

  private:
    const QImage& buffer_;
    std::function<void()> shown_;
    int paints_ = 0;
};

}  // namespace velmora::gui
