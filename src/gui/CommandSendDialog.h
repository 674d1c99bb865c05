#pragma once
// Command Send (dialog 591): any CAT command typed by the operator goes to the radio unchanged.
// A hint says that a command ends with ";"; the commands sent in this run are listed newest first
// (a click takes one into the field, a double click sends it again). A text that cannot go (not
// printable ASCII, too long, the send queue full) keeps the window open with the reason; every
// other close path reports COMMAND_SEND_CLOSED.
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

#include "gui/PanelWindowWidget.h"

namespace velmora {
class CommandHistory;
class RadioStateStore;
class WindowHost;
}  // namespace velmora

namespace velmora::gui {

class CommandSendDialog : public PanelWindowWidget {
    Q_OBJECT
  public:
    CommandSendDialog(QWidget* parent, WindowHost& host, RadioStateStore& store,
                      CommandHistory& history);

    void accept() override;
    void reject() override;

  protected:
    void focusInEvent(QFocusEvent* e) override;

  private:
    WindowHost& host_;
    RadioStateStore& store_;
    CommandHistory& history_;
    QLineEdit* field_;
    QLabel* status_;
    QListWidget* historyList_;
};

}  // namespace velmora::gui
