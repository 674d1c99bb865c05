#pragma once
// A modeless window of the "Option" menu: Esc, its own close button and the title bar's X all
// end in finish(), which lets the window's logic let go of what it holds and then sends the
// window's close notice to the main window (the panel input then destroys the window). Each
// window's own timers run on a window host of its own.
#include <cstdint>

#include "gui/PanelWindowWidget.h"
#include "gui/QtWindowHost.h"

namespace velmora::gui {

class OptionWindow : public PanelWindowWidget {
    Q_OBJECT
  public:
    OptionWindow(QWidget* parent, WindowHost& mainWindow, uint32_t closeNotice);

    void reject() override;

  protected:
    // The logic's last word before the close notice goes out (a held key let go, timers ended).
    virtual void aboutToClose() {}
    // A tick of one of the window's own timers.
    virtual void onTimer(int /*id*/) {}
    WindowHost& timers() { return timers_; }

  private:
    WindowHost& mainWindow_;
    uint32_t closeNotice_;
    bool closing_ = false;
    QtWindowHost timers_;
};

}  // namespace velmora::gui
