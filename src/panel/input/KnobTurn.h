#pragma once
// Turning a dial or multi-function knob: the angle it shows, the degrees turned since its last
// whole step, and the steps not yet sent. Steps are whole multiples of 7 degrees; the remainder
// of a step is dropped once a step is counted.
#include <cstdint>

namespace velmora {

inline constexpr int32_t kDegreesPerStep = 7;  // also 360 / 50 for the multi-function knobs
inline constexpr int32_t kMaxKnobStepsPerTick = 9;
inline constexpr int32_t kAtRest = 360;  // an image notice's angle that draws the knob at rest

struct KnobTurn {
    int32_t angle = 0;
    int32_t accumulated = 0;
    int32_t pending = 0;
};

// The turn from lastAngle to newAngle the short way round (359 -> 3 is +4), added to the knob's
// accumulated degrees; returns the whole steps in it and sets lastAngle to newAngle.
int32_t DeltaSteps(KnobTurn& knob, int32_t& lastAngle, int32_t newAngle);
// The same, at most kMaxKnobStepsPerTick either way (the multi-function knobs).
int32_t DeltaStepsClamped(KnobTurn& knob, int32_t& lastAngle, int32_t newAngle);

// One wheel notch: the knob's angle moves one step up or down, wrapping within 0..359, and the
// notch counts exactly one step whatever remainder an earlier drag left. Returns +1 or -1.
int32_t wheelStep(KnobTurn& knob, int32_t& lastAngle, bool up);

}  // namespace velmora
