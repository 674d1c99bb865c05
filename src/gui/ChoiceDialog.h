#pragma once
// COM Select (dialog 599) and Baud rate (dialog 589): a drop-down list (1019) of ports, each
// with the device it stands for, or of speeds; the setting in use drawn red and marked
// "(current)". OK runs the port's switch, whose waits keep the GUI thread serving events while
// the buttons are disabled; the switch sends the close notice itself. CANCEL, Esc and the title
// bar's X send the same notice and nothing else (not while a switch runs). A failed probe of a
// new port shows string 115 and keeps the window open.
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>

#include "gui/PanelWindowWidget.h"
#include "windows/ChoiceList.h"

namespace velmora {
class RadioStateStore;
class WindowHost;
}  // namespace velmora

namespace velmora::gui {

class ChoiceDialog : public PanelWindowWidget {
    Q_OBJECT
  public:
    static inline const QColor kCurrentColour{255, 0, 0};

    ChoiceDialog(QWidget* parent, ChoiceList::Kind kind, SerialPort& port,
                 const PortDirectory& ports, RadioStateStore& store, WindowHost& host);

    const ChoiceList& list() const { return list_; }
    void accept() override;
    void reject() override;

  private:
    void setBusy(bool busy);

    ChoiceList list_;
    SerialPort& port_;
    RadioStateStore& store_;
    WindowHost& host_;
    QComboBox* combo_;
    QLabel* status_;
    QDialogButtonBox* buttons_;
    bool busy_ = false;
};

}  // namespace velmora::gui
