#pragma once
// Turns wheel deltas into whole notches. A mouse wheel reports 120 units per notch; a touchpad
// or a smooth wheel reports smaller deltas that only count once they add up to 120. A turn back
// the other way before a notch is complete starts counting afresh, so a wobble never adds a step.
#include <cstdint>

namespace velmora {

class WheelNotches {
  public:
    static constexpr int32_t kUnitsPerNotch = 120;

    // The whole notches this delta completes: positive up, negative down, 0 for none.
    int32_t add(int32_t delta) {
        if (delta == 0) return 0;
        if ((delta > 0) != (rest_ > 0) && rest_ != 0) rest_ = 0;
        rest_ += delta;
        const int32_t notches = rest_ / kUnitsPerNotch;
        rest_ -= notches * kUnitsPerNotch;
        return notches;
    }
    void reset() { rest_ = 0; }

  private:
    int32_t rest_ = 0;
};

}  // namespace velmora
