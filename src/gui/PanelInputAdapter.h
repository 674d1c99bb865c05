#pragma once
// Hands the panel view's mouse and wheel events to the panel input, mapped to panel pixels
// through the view (a scaled or letterboxed window maps exactly; the margins lie outside the
// panel), and gives the pointer its shape and the tooltip their text from what lies under it.
// Wheel deltas count in notches of 120 units (touchpads send less per event); horizontal turns
// are ignored. The key definitions see the view's key presses first.
#include <QObject>
#include <functional>

#include "panel/input/WheelNotches.h"

class QMouseEvent;
class QWheelEvent;
class QHelpEvent;
class QKeyEvent;

namespace velmora {
class CPanelInput;
}

namespace velmora::gui {

class PanelView;

class PanelInputAdapter : public QObject {
    Q_OBJECT
  public:
    // afterInput runs after every event handed on (the window repaints what the input drew).
    PanelInputAdapter(PanelView& view, CPanelInput& input, std::function<void()> afterInput);
    // The key presses of the view go here first; true consumes the key.
    void setKeyHandler(std::function<bool(QKeyEvent&)> handler) { keys_ = std::move(handler); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void onButton(QMouseEvent& e, bool down);
    void onWheel(QWheelEvent& e);
    void onHover(QPoint widgetPos);
    void onToolTip(QHelpEvent& e);

    PanelView& view_;
    CPanelInput& input_;
    std::function<void()> afterInput_;
    std::function<bool(QKeyEvent&)> keys_;
    WheelNotches notches_;
};

}  // namespace velmora::gui
