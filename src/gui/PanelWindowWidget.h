#pragma once
// A modeless window of the panel as the panel input's host sees it: a dialog that can be told
// the radio notifications it follows. Every way of closing it (its buttons, Esc, the title bar's
// X) sends its close notice to the main window; the panel input then destroys it.
#include <QDialog>
#include <cstdint>

namespace velmora::gui {

class PanelWindowWidget : public QDialog {
    Q_OBJECT
  public:
    using QDialog::QDialog;
    // A radio notification relayed while the window is open.
    virtual void relay(uint32_t /*id*/, uintptr_t /*wParam*/, intptr_t /*lParam*/) {}
};

}  // namespace velmora::gui
