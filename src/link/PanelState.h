#pragma once
// The values the front panel shows. The answer analysis copies radio-state records into them so
// the panel follows the radio; the panel input changes them when the operator turns a knob.
#include <array>

#include "link/PanelValue.h"

namespace velmora {

struct PanelState {
    static constexpr int32_t kFrequencyMin = 30000, kFrequencyMax = 60000000;

    // The VFO-A and VFO-B display frequencies (FA/IF and FB/OI copies).
    PanelValue vfoA, vfoB;
    PanelValue subTarget;  // the VS copy; non-zero: the operator works on the sub receiver
    PanelValue modeClass;  // 2 for modes 4 and 11, 1 for modes 5 and 13, else 0

    // Copies of radio-state records.
    PanelValue rt, xt, ms, fr, kr, ds, mx, vx, bi, pr, cs;
    PanelValue ca;  // the window copies the CA record here on its notification
    std::array<PanelValue, 2> md;
    std::array<PanelValue, 2> lk, fs;  // two flags each
    PanelValue mlFlag, mlLevel;
    std::array<PanelValue, 2> bpOn, bpLevel;  // level 0..400
    std::array<PanelValue, 2> coOn;
    std::array<PanelValue, 2> coFirst;   // 0..40
    std::array<PanelValue, 2> coSecond;  // 0..50
    std::array<PanelValue, 2> is;        // -1000..1000

    // Knob values with the ranges of their records.
    PanelValue delayKnob;          // 20..5000
    std::array<PanelValue, 2> sh;  // 0..31
    std::array<PanelValue, 2> rl;  // 1..15

    // Start values the display and the panel input will give names to when they take them over.
    struct Unassigned {
        PanelValue range0to3, range0to2;
        std::array<PanelValue, 7> singles;                         // 5, 10, 22, 255, -60, 310, -310
        std::array<std::atomic<int32_t>, 186> blockA{}, blockB{};  // 744 bytes each, zeroed
    } unassigned;
};

// Sets every panel value to its start value and range.
void InitPanelState(PanelState& panel);

}  // namespace velmora
