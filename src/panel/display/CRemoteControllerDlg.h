#pragma once
// The main window's logic without its widget: the message map (one handler per id, the first
// entry wins), the display timers, the start-up draw and the full repaint. It draws through the
// Canvas (the window's back buffer) and the PanelDisplay and hands the link's messages and timers
// to the LinkShell. Everything here runs on the GUI thread; nothing here knows the toolkit, so
// tests drive it with a recording canvas.
#include <cstdint>
#include <functional>
#include <initializer_list>

#include "panel/display/KeyDefinitions.h"
#include "panel/display/LinkShell.h"
#include "panel/display/Meters.h"
#include "panel/display/PanelDisplay.h"
#include "panel/input/CPanelInput.h"

namespace velmora {

struct DlgHooks {
    std::function<void()> closeSplash;   // timer::SPLASH
    std::function<void()> closeProgram;  // notice::EXIT ("Exit" in the menu bar)
    std::function<void()> readFinished;  // msg::WM_WAIT_WINDOW_CLOSE, for the wait window
};

class CRemoteControllerDlg {
  public:
    // The periods of the display timers.
    static constexpr int kRefreshMs = 30, kInitialDrawMs = 10, kSplashMs = 3000;

    CRemoteControllerDlg(Canvas& canvas, const PanelPictures& pictures, RadioStateStore& store,
                         WindowHost& host, LinkShell& link, PanelInputHost& inputHost,
                         DlgHooks hooks = {});

    // The background picture over every element (with what the background carries).
    void wipe();
    // Start-up: the splash timer (when a splash is shown), then the frequency and filter timers
    // and the initial draw 10 ms later.
    void startUp(bool splashShown);
    // The window was exposed or restored: the full repaint follows 30 ms after the last of these.
    void exposed();

    void onMessage(uint32_t id, uintptr_t wParam, intptr_t lParam);
    // A key press while the window has the focus; true when a key definition consumed it.
    bool onKey(const KeyPress& press);
    void onTimer(int id);

    // The 30 ms frequency refresh draws only when the shown value or cursor changed since its
    // last draw (the pixels would be the same); false redraws every tick.
    void setRefreshOnlyChanges(bool on) { refreshOnlyChanges_ = on; }

    PanelDisplay& display() { return display_; }
    Meters& meters() { return meters_; }
    // The panel input: the widget hands it the mouse; its timers and messages come through here.
    CPanelInput& panelInput() { return panelInput_; }
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

    Canvas& canvas_;
    RadioStateStore& store_;
    WindowHost& host_;
    LinkShell& link_;
    DlgHooks hooks_;
    PanelDisplay display_;
    Meters meters_;
    CPanelInput panelInput_;
    KeyDefinitions keys_;
    int dialAngle_ = 0;
    bool litRegionLit_ = false;
    int litRegionIndex_ = -1;  // none replayed until the first notice::LABEL_REGION
    bool refreshOnlyChanges_ = true;
    struct Shown {
        uint32_t hz = 0;
        int cursor = -1;
    } shown_[2];
    int fullRepaints_ = 0;
    bool initialDrawDone_ = false;
};

}  // namespace velmora
