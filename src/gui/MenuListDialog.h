#pragma once
// MENU LIST (dialog 716): the radio's setup menu as a four-column list in a fixed-pitch font,
// a filter over number and name, the count of changed lines, OK and CANCEL. Enter or a double
// click opens the line's setting dialog; Left and Right step the shown position of the
// bit-string lines; digits typed on the list go to that item number. OK writes the changed items
// and, when CAT RATE was among them, moves the port to the new rate once the radio has read it.
// Every close path (OK, CANCEL, Esc, the title bar's X) ends in the close notice; the panel input
// then destroys the window.
#include <QElapsedTimer>
#include <QTimer>
#include <functional>
#include <memory>

#include "gui/PanelWindowWidget.h"
#include "windows/MenuListModel.h"
#include "windows/MenuRateSwitch.h"

class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace velmora {
class RadioStateStore;
class SerialPort;
}  // namespace velmora

namespace velmora::gui {

// What the window keeps between openings besides the model's selection.
struct MenuListMemory {
    QSize size;
    // Called with the size at every close, to keep it for the next run.
    std::function<void(QSize)> keep;
};

class MenuListDialog : public PanelWindowWidget {
    Q_OBJECT
  public:
    // closed sends the close notice (synchronously); the window must not be deleted inside it.
    MenuListDialog(QWidget* parent, MenuListModel& model, MenuListMemory& memory,
                   RadioStateStore& store, SerialPort& port, std::function<void()> closed);
    ~MenuListDialog() override;

    void relay(uint32_t id, uintptr_t wParam, intptr_t lParam) override;
    void accept() override;
    void reject() override;

    // The setting dialog of the selected line (what Enter and a double click open).
    void editSelected();
    QTreeWidget* list() const { return list_; }
    MenuListModel& model() { return model_; }
    // The main window's key definitions: offered every key the window itself does not use;
    // true when taken.
    void setKeyHandler(std::function<bool(QKeyEvent&)> handler) { keys_ = std::move(handler); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void fillList();
    void updateRow(int row);
    void updateCount();
    void applyFilter(const QString& text);
    void selectRow(int row);
    void typeDigit(int digit);
    bool confirmDiscard();
    void pollRateSwitch();
    void finish();

    MenuListModel& model_;
    MenuListMemory& memory_;
    RadioStateStore& store_;
    std::function<void()> closed_;
    std::function<bool(QKeyEvent&)> keys_;
    MenuRateSwitch rateSwitch_;
    QTreeWidget* list_;
    QLineEdit* filter_;
    QLabel* count_;
    QPushButton* ok_;
    QPushButton* cancel_;
    QTimer rateTimer_;
    QElapsedTimer clock_;
    QElapsedTimer typed_;
    int typedNumber_ = 0;
    bool finished_ = false;
};

}  // namespace velmora::gui
