#pragma once
// CW (dialog 897): the ten play keys, the five memory texts with their WR keys and character
// counters. Letters are upper-cased as typed and pasted, characters the radio's memory does not
// take never enter a field, and Enter in a field writes it. Once the texts are in, the function
// keys bound in the key definitions work here as in the main window.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <array>
#include <functional>

#include "gui/OptionWindow.h"
#include "windows/CwMemoryWindow.h"

class QKeyEvent;

namespace velmora {
class RadioStateStore;
}

namespace velmora::gui {

class CwMemoryDialog : public OptionWindow, private CwMemoryView {
    Q_OBJECT
  public:
    using KeyHandler = std::function<bool(QKeyEvent&)>;

    // keys: the main window's key definitions (true when a key was handled there).
    CwMemoryDialog(QWidget* parent, WindowHost& mainWindow, RadioStateStore& store,
                   KeyHandler keys);

    void relay(uint32_t id, uintptr_t wParam, intptr_t lParam) override;
    CwMemoryWindow& logic() { return logic_; }

  protected:
    void aboutToClose() override;
    void onTimer(int id) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void showText(int field, const std::string& text) override;
    void setEditable(bool editable) override;
    void focusFirstPlayButton() override;
    bool fieldBeingEdited(int field) const override;

    QPushButton* addButton(const QString& label, int control);
    void writeField(int field);
    void showCount(int field);

    CwMemoryWindow logic_;
    KeyHandler keys_;
    std::array<QLineEdit*, CwMemoryWindow::kFields> fields_{};
    std::array<QLabel*, CwMemoryWindow::kFields> counters_{};
    std::array<bool, CwMemoryWindow::kFields> edited_{};
    std::vector<QPushButton*> buttons_;
};

}  // namespace velmora::gui
