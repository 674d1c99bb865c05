#pragma once
// The Rotator window's logic (dialog 896): the direction and speed displays, and the four keys
// that report press and release. CCW and CW turn while held; SLOW and FAST repeat their speed
// command every 100 ms (timer 21) while held. A release the window never sees (it was closed,
// hidden or lost the focus with a key held) would leave the rotator turning to its end stop,
// so release() of every held key also runs on those paths.
#include <cstdint>
#include <string>

#include "windows/WindowColours.h"

namespace velmora {

class RadioStateStore;
class WindowHost;

enum class RotatorKey : uint8_t { Ccw, Cw, Slow, Fast };

struct RotatorDisplay {
    std::string text;
    Rgb colour;
    friend bool operator==(const RotatorDisplay&, const RotatorDisplay&) = default;
};

class RotatorWindow {
  public:
    static constexpr int kRepeatMs = 100;
    static constexpr int kOverlapFrom = 360;  // directions past north again, up to 450

    // timers: the window's own timers (timer 21).
    RotatorWindow(RadioStateStore& store, WindowHost& timers) : store_(store), timers_(timers) {}

    void press(RotatorKey key);
    void release(RotatorKey key);
    // Close, hide or focus lost: every held key is let go (a turn is stopped with RO0;).
    void releaseAll();
    bool onTimer(int id);
    bool turning() const { return turning_; }

    // The displays for a stored direction (degrees, 0-450) and speed (percent).
    static RotatorDisplay directionDisplay(int32_t degrees);
    static RotatorDisplay speedDisplay(int32_t percent);
    RotatorDisplay direction() const;
    RotatorDisplay speed() const;
    int32_t storedDirection() const;
    int32_t storedSpeed() const;

  private:
    void post(int action, int32_t value);

    RadioStateStore& store_;
    WindowHost& timers_;
    RotatorKey turnKey_ = RotatorKey::Ccw;
    bool turning_ = false;
    bool speedHeld_ = false;
    uint8_t speedKey_ = 0;  // 0 SLOW, 1 FAST
};

}  // namespace velmora
