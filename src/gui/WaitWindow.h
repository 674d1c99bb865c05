#pragma once
// The wait window (dialog 901): "Reading the menu setting data now." while the initial read or the
// menu read runs, modal, without title, with where the read is beneath it. WaitWindowLogic
// decides; the window's own timers carry the 10 s timeout, the 100 ms pause before closing and
// the progress line, so the GUI thread keeps serving events throughout. Esc and the title bar do
// not close it while it waits for the read; a read that ended with answers missing is shown with
// an OK, and then OK, Esc and the title bar close it alike.
#include <QDialog>
#include <QTimer>
#include <functional>

#include "windows/WaitWindowLogic.h"

class QLabel;
class QDialogButtonBox;

namespace velmora::gui {

class WaitWindow : public QDialog {
    Q_OBJECT
  public:
    static constexpr int kProgressMs = 200;

    // progress: where the read is now ("initial read: 19 of 76 steps"); may be empty.
    WaitWindow(QWidget* parent, MainWindowFlags& flags, const ReadLedger& ledger,
               std::function<QString()> progress);

    // Runs modally until the read has ended (or at once, after the pause, when none runs).
    void run();
    // WM_WAIT_WINDOW_CLOSE.
    void readFinished();

    void reject() override;

  private:
    void follow(WaitWindowLogic::Step step);
    void showProgress();
    void showIncomplete();

    WaitWindowLogic logic_;
    const ReadLedger& ledger_;
    std::function<QString()> progress_;
    QLabel* progressLine_;
    QDialogButtonBox* buttons_;
    QTimer timeout_;
    QTimer pause_;
    QTimer progressTimer_;
    bool incomplete_ = false;
};

}  // namespace velmora::gui
