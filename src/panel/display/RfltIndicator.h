#pragma once
// The roofing-filter indicators of both sides, shown steadily or blinking (timers 34 and 35).
// A blink flashes the value about six times over some 5.5 s and then leaves it lit.
#include <array>
#include <cstdint>

#include "link/MessageIds.h"
#include "link/WindowHost.h"
#include "panel/display/DisplayContext.h"

namespace velmora {

class RfltIndicator {
  public:
    static constexpr int kBlinkPeriodMs = 500;

    explicit RfltIndicator(WindowHost& timers) : timers_(timers) {}

    // The R.FLT notification for one side: reads the side's code, mode and band from the store.
    void draw(const DisplayContext& ctx, int side);
    // Every part of the side unlit, the blink left as it is.
    void drawUnlit(const DisplayContext& ctx, int side) const { drawValue(ctx, side, -1); }
    // Timer 34 or 35; other ids are ignored.
    void onTimer(const DisplayContext& ctx, int timerId);

    // 1 = draw without blinking: from start-up until the initial draw is done, and during every
    // full repaint.
    void setStatic(int side, bool on) { sides_[index(side)].isStatic = on; }
    bool isStatic(int side) const { return sides_[index(side)].isStatic; }
    bool blinking(int side) const { return sides_[index(side)].running; }
    // A CLAR or DSP knob picture was requested: a blink started before it stops at its next tick.
    void noteKnobTurned() { ++knobTurns_; }

  private:
    struct Side {
        bool running = false;
        int part = -1;       // the blinking part
        bool phase = false;  // set: the next tick shows the value lit
        int litCount = 0;
        bool isStatic = true;
        int32_t lastMode = -1, lastBand = -1;
        int32_t blinkMode = -1, blinkBand = -1;  // when the blink started
        uint32_t blinkKnobTurns = 0;
    };
    static size_t index(int side) { return side == 1 ? 1 : 0; }
    static int timerOf(int side) { return side == 1 ? timer::RFLT_BLINK_B : timer::RFLT_BLINK_A; }

    void startBlink(const DisplayContext& ctx, int side, int part);
    void stop(int side);
    void drawValue(const DisplayContext& ctx, int side, int part) const;
    bool shouldEndBlink(const DisplayContext& ctx, int side) const;

    WindowHost& timers_;
    std::array<Side, 2> sides_{};
    // Counted rather than flagged: each side compares with the count its own blink started at,
    // so a turn before a blink does not end it and one side's stop does not hide a turn from the
    // other.
    uint32_t knobTurns_ = 0;
};

}  // namespace velmora
