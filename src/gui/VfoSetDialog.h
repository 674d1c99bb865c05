#pragma once
// VFO SET (dialog 456): one frequency typed from the PC keyboard or the panel's keypad, for the
// VFO named in the window. The entry (VfoSetEntry) decides: OK, Return and the keypad's ENT report
// the frequency or refuse it with string 104, keeping the text; CANCEL, Esc and the title bar's X
// report "cancelled" (0 Hz). Every result goes to the main window as VFO_SET_RESULT, and the
// panel input closes the window.
#include <QLineEdit>

#include "gui/PanelWindowWidget.h"
#include "windows/VfoSetEntry.h"

namespace velmora {
class WindowHost;
}

namespace velmora::gui {

class VfoSetDialog : public PanelWindowWidget {
    Q_OBJECT
  public:
    // target: 0 MAIN, 1 SUB, as the panel's SUB target stands at opening.
    VfoSetDialog(QWidget* parent, WindowHost& host, uint8_t target);

    QString text() const { return field_->text(); }
    void appendDigit(int digit);

    void accept() override;
    void reject() override;

  protected:
    void focusInEvent(QFocusEvent* e) override;

  private:
    void takeTyped();

    WindowHost& host_;
    VfoSetEntry entry_;
    QLineEdit* field_;
};

}  // namespace velmora::gui
