#pragma once
// The main window's logic without its widget: the message map (one handler per id, the first
// entry wins), the display timers, the start-up draw and the full repaint. It draws into the
// window's back buffer through the PanelDisplay and hands the link's messages and timers to the
// application shell. Everything here runs on the GUI thread.
#include <cstdint>
#include <functional>

#include "panel/display/PanelDisplay.h"

namespace velmora {
class LinkApplication;
}

namespace velmora::gui {

class QtCanvas;

struct DlgHooks {
    std::function<void()> closeSplash;  // timer 15
};

class CRemoteControllerDlg {
  public:
    // Display timers of the window (the link's own timers are listed in the shell).
    static constexpr int kTimerInitialDraw = 11, kTimerFullRepaint = 13, kTimerSplash = 15;
    static constexpr int kTimerFilterA = 32, kTimerFilterB = 33;
    static constexpr int kRefreshMs = 30, kInitialDrawMs = 10, kSplashMs = 3000;

    CRemoteControllerDlg(QtCanvas& canvas, const PanelPictures& pictures, LinkApplication& app,
                         WindowHost& host, DlgHooks hooks);

    // The background picture over every element (with what the background carries).
    void wipe();
    // Start-up: the splash timer (when a splash is shown), then the display timers 6, 7, 32, 33
    // and the initial draw 10 ms later.
    void startUp(bool splashShown);
    // The window was exposed or restored: the full repaint follows 30 ms after the last of these.
    void exposed();

    void onMessage(uint32_t id, uintptr_t wParam, intptr_t lParam);
    void onTimer(int id);

    // The 30 ms frequency refresh draws only when the shown value or cursor changed since its
    // last draw (the pixels would be the same); false redraws every tick.
    void setRefreshOnlyChanges(bool on) { refreshOnlyChanges_ = on; }

    PanelDisplay& display() { return display_; }
    int dialAngle() const { return dialAngle_; }
    int fullRepaints() const { return fullRepaints_; }
    bool initialDrawDone() const { return initialDrawDone_; }

  private:
    bool onNotification(uint32_t id);
    bool onImageNotice(uint32_t id, uintptr_t wParam, intptr_t lParam);
    void initialDraw();
    void fullRepaint();
    void refreshFrequency(int side);
    void keys(std::initializer_list<uint32_t> notices);
    void keyRange(uint32_t first, uint32_t last);
    void drawRestingKnobs();

    QtCanvas& canvas_;
    LinkApplication& app_;
    WindowHost& host_;
    DlgHooks hooks_;
    PanelDisplay display_;
    int dialAngle_ = 0;
    bool litRegionLit_ = false;
    int litRegionIndex_ = -1;  // none replayed until the first 0x85D2
    bool refreshOnlyChanges_ = true;
    struct Shown {
        uint32_t hz = 0;
        int cursor = -1;
    } shown_[2];
    int fullRepaints_ = 0;
    bool initialDrawDone_ = false;
};

}  // namespace velmora::gui
