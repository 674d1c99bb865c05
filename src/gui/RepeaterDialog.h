#pragma once
// Repeater (dialog 898): CTCSS mode, tone and repeater shift of the VFO that was the target when
// the window opened; "Freq" picks the tone from the tone list.
#include <QLabel>
#include <functional>

#include "gui/OptionWindow.h"
#include "windows/RepeaterWindow.h"

class QGridLayout;

namespace velmora {
class RadioStateStore;
}

namespace velmora::gui {

class RepeaterDialog : public OptionWindow {
    Q_OBJECT
  public:
    RepeaterDialog(QWidget* parent, WindowHost& mainWindow, RadioStateStore& store);
    void relay(uint32_t id, uintptr_t wParam, intptr_t lParam) override;
    RepeaterWindow& logic() { return logic_; }
    // Runs the tone list modally; tests replace it to answer without a modal loop.
    std::function<std::optional<int32_t>(int32_t storedTone)> runToneList;

  private:
    void addKey(QGridLayout* grid, const char* label, int control, int row, int column,
                std::function<void()> act);
    void showTexts();
    void chooseTone();

    RepeaterWindow logic_;
    QLabel* target_;
    QLabel* mode_;
    QLabel* tone_;
    QLabel* shift_;
};

}  // namespace velmora::gui
