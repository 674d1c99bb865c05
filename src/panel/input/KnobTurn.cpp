#include "panel/input/KnobTurn.h"

#include <algorithm>

namespace velmora {

int32_t DeltaSteps(KnobTurn& knob, int32_t& lastAngle, int32_t newAngle) {
    int32_t d = newAngle - lastAngle;
    if (d >= 180) {
        d -= 360;
    } else if (d <= -180) {
        d += 360;
    }
    lastAngle = newAngle;
    knob.accumulated += d;
    const int32_t steps = knob.accumulated / kDegreesPerStep;
    if (steps != 0) knob.accumulated = 0;
    return steps;
}

int32_t DeltaStepsClamped(KnobTurn& knob, int32_t& lastAngle, int32_t newAngle) {
    return std::clamp(DeltaSteps(knob, lastAngle, newAngle), -kMaxKnobStepsPerTick,
                      kMaxKnobStepsPerTick);
}

int32_t wheelStep(KnobTurn& knob, int32_t& lastAngle, bool up) {
    const int32_t old = knob.angle;
    knob.angle = (old + (up ? kDegreesPerStep : -kDegreesPerStep) + 360) % 360;
    lastAngle = old;
    knob.accumulated = 0;
    return DeltaSteps(knob, lastAngle, knob.angle);
}

}  // namespace velmora
