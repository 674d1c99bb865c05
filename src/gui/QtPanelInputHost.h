#pragma once
// The panel input's window side in Qt: the pointer read from the system and mapped through the
// panel view, the modeless windows (made by the factory registered for each, so the windows of
// later subsystems plug in without changing the panel input), the menu bar's greying, the pop-up
// option menus, message boxes and the modal wait and version windows. GUI thread only.
#include <QPointer>
#include <QWidget>
#include <array>
#include <functional>

#include "gui/PanelWindowWidget.h"
#include "gui/WaitWindow.h"
#include "panel/input/PanelInputHost.h"

class QMenuBar;

namespace velmora {
class RadioStateStore;
}

namespace velmora::gui {

class PanelView;

class QtPanelInputHost : public PanelInputHost {
  public:
    using Factory = std::function<PanelWindowWidget*(QWidget* parent)>;

    // The design's option-menu offsets are from the window's outer corner; the panel starts this
    // far below it (title bar, menu bar and frame of the original window).
    static constexpr int kDesignNonClientHeight = 50;

    QtPanelInputHost(QWidget& mainWindow, PanelView& view, QMenuBar& menuBar,
                     RadioStateStore& store);

    // Makes window for PanelWindow from now on; without a factory, openWindow answers false.
    void setFactory(PanelWindow window, Factory factory);
    void setVersionWindow(std::function<void()> run) { runVersion_ = std::move(run); }
    // Where the running read is, for the wait window.
    void setWaitProgress(std::function<QString()> progress) { waitProgress_ = std::move(progress); }
    WaitWindow* waitWindow() const { return waitWindow_; }
    // The read the wait window waits for has ended (WM_WAIT_WINDOW_CLOSE).
    void readFinished();

    PanelWindowWidget* openedWindow(PanelWindow window) const;

    PanelPoint cursorPosition() override;
    bool buttonHeld(MouseButton button) override;
    bool openWindow(PanelWindow window) override;
    void closeWindow(PanelWindow window) override;
    void focusWindow(PanelWindow window) override;
    void relayToWindow(PanelWindow window, uint32_t id, uintptr_t wParam, intptr_t lParam) override;
    void enableMenuCommands(bool enabled) override;
    uint32_t trackOptionMenu(std::span<const OptionMenuItem> items, PanelPoint offset,
                             uint32_t checkedId) override;
    void showMessage(int stringId) override;
    void runWaitWindow() override;
    void runVersionWindow() override;
    void vfoSetAppendDigit(int digit) override;
    void vfoSetEnter() override;

  private:
    static size_t slot(PanelWindow window) { return static_cast<size_t>(window); }

    QWidget& main_;
    PanelView& view_;
    QMenuBar& menuBar_;
    RadioStateStore& store_;
    std::array<Factory, kPanelWindowCount> factories_;
    std::array<QPointer<PanelWindowWidget>, kPanelWindowCount> open_;
    std::function<void()> runVersion_;
    std::function<QString()> waitProgress_;
    QPointer<WaitWindow> waitWindow_;
};

}  // namespace velmora::gui
