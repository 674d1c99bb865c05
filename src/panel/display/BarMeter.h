#pragma once
// The segment bar meter with its peak hold: 33 segments, lit up to the level, the upper colour
// from segment 18 on; after a fall the peak's segment stays lit for the hold time (timer 14).
#include <array>
#include <cstdint>
#include <functional>

#include "link/WindowHost.h"
#include "panel/display/DisplayContext.h"

namespace velmora {

class BarMeter {
  public:
    static constexpr int kSegments = 33, kUpperFrom = 18, kLevelStep = 7;
    // The menu item that holds the peak-hold setting (0 off, 1 500 ms, 2 1000 ms, else 2000 ms).
    static constexpr int kHoldMenuItem = 13;

    // live: whether the port is connected and the radio on; otherwise no segment is lit.
    BarMeter(const DisplayContext& ctx, WindowHost& timers, std::function<bool()> live);

    // The level reported: takes the store's level, draws, runs the hold.
    void onLevel();
    // Draws every segment at the current level and runs the hold (the full repaint).
    void redraw();
    // The port or the radio's power changed: while not live the hold ends at once.
    void onLinkState();
    // Timer 14: the hold ended.
    void onHoldTimer();

    // Lit segments for a level; the segment the peak p lights (clamped to the bar), for its marker.
    static int litSegments(int32_t level);
    static int peakSegment(int32_t peak);
    int32_t heldPeak() const { return heldPeak_; }

  private:
    int32_t shownLevel() const;
    int holdMs() const;
    void drawSegments(int32_t level, bool all);
    void drawSegment(int k, int state, bool all);
    void update(bool all);
    void runHold(int32_t level, bool all);
    void endHold();

    DisplayContext ctx_;
    WindowHost& timers_;
    std::function<bool()> live_;
    int32_t level_ = 0, prevLevel_ = 0, heldPeak_ = 0;  // heldPeak_ 0: no hold running
    bool drawn_ = false;
    // The state each segment was drawn in last; a level change redraws only those that change.
    std::array<int, kSegments> shown_{};
};

}  // namespace velmora
