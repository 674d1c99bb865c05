#pragma once
// Rotator (dialog 896): direction and speed as numbers, compass and bar; CCW, CW, SLOW and FAST
// act while held, as do the Left and Right arrow keys for CCW and CW. A held key is let go when
// the window closes, hides or loses the focus.
#include <QLabel>
#include <QProgressBar>

#include "gui/OptionWindow.h"
#include "windows/RotatorWindow.h"

class QGridLayout;

namespace velmora {
class RadioStateStore;
}

namespace velmora::gui {

class RotatorCompass;

class RotatorDialog : public OptionWindow {
    Q_OBJECT
  public:
    RotatorDialog(QWidget* parent, WindowHost& mainWindow, RadioStateStore& store);

    void relay(uint32_t id, uintptr_t wParam, intptr_t lParam) override;
    RotatorWindow& logic() { return logic_; }

  protected:
    void aboutToClose() override;
    void onTimer(int id) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void hideEvent(QHideEvent* e) override;
    void changeEvent(QEvent* e) override;

  private:
    void addKey(QGridLayout* grid, RotatorKey key, const char* label, int control, int row,
                int column);
    void showStored();

    RotatorWindow logic_;
    QLabel* direction_;
    QLabel* speed_;
    RotatorCompass* compass_;
    QProgressBar* speedBar_;
};

}  // namespace velmora::gui
