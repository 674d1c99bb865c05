#pragma once
// The wait window (dialog 901): "Reading the menu setting data now." while the initial read or the
// menu read runs, modal, without title or buttons. WaitWindowLogic decides; the window's own two
// timers carry the 10 s timeout and the 100 ms pause before closing, so the GUI thread keeps
// serving events throughout. Esc and the title bar do not close it: it waits for the read.
#include <QDialog>
#include <QTimer>

#include "windows/WaitWindowLogic.h"

namespace velmora::gui {

class WaitWindow : public QDialog {
    Q_OBJECT
  public:
    WaitWindow(QWidget* parent, MainWindowFlags& flags);

    // Runs modally until the read has ended (or at once, after the pause, when none runs).
    void run();
    // WM_WAIT_WINDOW_CLOSE.
    void readFinished();

    void reject() override {}

  private:
    void follow(WaitWindowLogic::Step step);

    WaitWindowLogic logic_;
    QTimer timeout_;
    QTimer pause_;
};

}  // namespace velmora::gui
