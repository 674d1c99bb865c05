#pragma once
// Switching the radio on and off (req::POWER_SWITCH) and the power reads that follow on timers 23
// and 24.
#include <cstdint>

#include "command/CommandContext.h"

namespace velmora {

inline constexpr int kPowerOnPauseMs = 800;      // after each of the two PS1;
inline constexpr int kPowerOnReadDelayMs = 100;  // timer 23
inline constexpr int kPowerOffReadStepMs = 50;   // timer 24

class PowerSequence {
  public:
    explicit PowerSequence(CommandContext& context) : context_(context) {}

    // req::POWER_SWITCH: by the stored power state, PS0; and timer 24, or PS1; twice and timer 23.
    void powerSwitch();
    // req::POWER_ON_READ: the one read after switching on.
    void powerOnRead();
    // req::POWER_OFF_READ: two reads, 50 ms apart, after switching off.
    void powerOffRead();

    int32_t powerOffReads() const { return powerOffReads_; }

  private:
    CommandContext& context_;
    int32_t powerOffReads_ = 0;  // "PS;" reads made since the power-off command (0 or 1)
};

}  // namespace velmora
