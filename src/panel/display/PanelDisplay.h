#pragma once
// The frequency and status displays of the main window: one entry per notification the window
// receives, each redrawing its elements from the store. The window owns one PanelDisplay and
// calls it from its message handlers and timers; nothing here knows the toolkit.
#include <cstdint>
#include <string>

#include "link/MessageIds.h"
#include "link/WindowHost.h"
#include "panel/display/DisplayContext.h"
#include "panel/display/KeyPictures.h"
#include "panel/display/RfltIndicator.h"

namespace velmora {

class PanelDisplay {
  public:
    PanelDisplay(Canvas& canvas, const PanelPictures& pictures, const RadioStateStore& store,
                 WindowHost& timers);

    // Draws the display part of notification id; returns false for ids with no display part
    // here. The window adds what belongs to the meters for the same id (the MONI/PROC knob of
    // notify::ML and PL, the bar meter of notify::AI and PS, the auxiliary pictures).
    bool onNotification(uint32_t id);
    // Key and lamp image notices notice::KEYS_FIRST..KEYS_LAST (pressed 0 or 1).
    void onKeyNotice(uint32_t notice, int pressed);
    // notice::CURSOR_A / CURSOR_B: the tuning cursor of VFO-A / VFO-B (0 none, 1..8), then that
    // redraw.
    void setDigitCursor(int side, int cursor);
    // Timers 6 and 7 (the 30 ms frequency refresh) and 34/35 (the R.FLT blink).
    void onTimer(int id);

    void drawFrequency(int side);
    void drawClarifier();
    void drawRflt(int side) { rflt_.draw(ctx_, side); }
    // The full repaint redraws R.FLT steadily whatever the flags say.
    void drawRfltSteadily();
    // The R.FLT words of both sides unlit: the background under them, which no code redraws.
    void drawUnlitRflt() {
        for (int side : {kMain, kSub}) rflt_.drawUnlit(ctx_, side);
    }
    // The full repaint forgets what was drawn last.
    void clearTexts();
    void noteKnobTurned() { rflt_.noteKnobTurned(); }
    void setPortConnectedQuery(PortConnectedQuery q) { portConnected_ = std::move(q); }

    RfltIndicator& rflt() { return rflt_; }
    const std::string& frequencyText(int side) const {
        return side == kSub ? subFreqText_ : mainFreqText_;
    }
    const std::string& clarifierText() const { return clarText_; }
    int digitCursor(int side) const { return side == kSub ? subDigitCursor_ : mainDigitCursor_; }

  private:
    void drawModeSides();
    void drawDspKeys();

    DisplayContext ctx_;
    RfltIndicator rflt_;
    PortConnectedQuery portConnected_;
    int mainDigitCursor_ = 0, subDigitCursor_ = 0;
    std::string mainFreqText_, subFreqText_, clarText_;
};

}  // namespace velmora
