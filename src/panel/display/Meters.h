#pragma once
// The panel's meters and settings pictures, for the main window: the analog meter, the bar meter
// with its peak hold, the pointer knobs, the fine offset bar and the two filter displays. The
// window hands it the notifications, timers 14, 32 and 33 and the full repaint.
#include <cstdint>
#include <functional>

#include "link/WindowHost.h"
#include "panel/display/BarMeter.h"
#include "panel/display/DisplayContext.h"
#include "panel/display/FilterDisplay.h"
#include "panel/display/FineOffsetBar.h"

namespace velmora {

class Meters {
  public:
    // portOpen: whether the port is connected.
    Meters(const DisplayContext& ctx, WindowHost& timers, std::function<bool()> portOpen);

    // Draws the meter part of notification id; false when it has none.
    bool onNotification(uint32_t id);
    // Timers 14, 32 and 33; false for other ids.
    bool onTimer(int id);
    // The panel was wiped: what the meters drew is gone, so their next draws are complete.
    void forgetDrawn();
    // The full repaint's part that no notification draws: the bar at its level (the hold logic
    // runs again) and both filter displays whatever they showed.
    void repaint();

    BarMeter& bar() { return bar_; }
    FilterDisplay& filter(int side) { return filters_[side == 0 ? 0 : 1]; }

  private:
    DisplayContext ctx_;
    std::function<bool()> portOpen_;
    BarMeter bar_;
    FilterDisplay filters_[2];
    FineOffsetBar offsetBar_;
};

}  // namespace velmora
