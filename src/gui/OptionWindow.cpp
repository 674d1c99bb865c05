#include "gui/OptionWindow.h"

namespace velmora::gui {

OptionWindow::OptionWindow(QWidget* parent, WindowHost& mainWindow, uint32_t closeNotice)
    : PanelWindowWidget(parent), mainWindow_(mainWindow), closeNotice_(closeNotice) {
    timers_.setTimerHandler([this](int id) { onTimer(id); });
}

void OptionWindow::reject() {
    // The panel input hides and destroys the window on the notice; a second close path taken
    // meanwhile (Esc, then X) sends nothing more.
    if (closing_) return;
    closing_ = true;
    aboutToClose();
    mainWindow_.send(closeNotice_, 0, 0);
}

}  // namespace velmora::gui
