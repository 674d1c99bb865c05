#pragma once
// The rotator's direction as a compass: north up, a needle at the direction, and the stretch
// from north to 90 degrees that the rotator can pass a second time (360-450) marked as an arc.
// Past 360 the needle is drawn in the overlap's colour.
#include <QWidget>

namespace velmora::gui {

class RotatorCompass : public QWidget {
    Q_OBJECT
  public:
    explicit RotatorCompass(QWidget* parent = nullptr);
    void setDirection(int degrees);
    int direction() const { return degrees_; }
    QSize sizeHint() const override { return {160, 160}; }
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int w) const override { return w; }

  protected:
    void paintEvent(QPaintEvent* e) override;

  private:
    int degrees_ = 0;
};

}  // namespace velmora::gui
