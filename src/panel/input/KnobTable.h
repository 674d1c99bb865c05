#pragma once
// The panel's rotary controls: where each lies and turns around, the value knobs' limits and
// steps, and which code the CLAR and multi-function knobs work on from the radio's state.
#include <cstdint>
#include <span>

#include "panel/display/Canvas.h"

namespace velmora {

struct RadioRecords;
struct BoundedInt;

// One dial or multi-function knob: its region, hit circle, the centre its angle is measured
// around, and its codes (the multi-function knobs have eight: one per function).
struct KnobPlace {
    int region;
    PanelPoint hitCentre;
    int radius;
    PanelPoint angleCentre;
};
inline constexpr KnobPlace kMainDialPlace{7, {516, 220}, 60, {516, 220}};
inline constexpr KnobPlace kClarKnobPlace{8, {716, 270}, 33, {716, 270}};
// The multi-function knobs turn around their own centre: (827, 261) and (947, 261) are the corners
// of their dimple pictures, and angles measured from there would turn the knob lopsidedly.
inline constexpr KnobPlace kMainKnobPlace{9, {837, 270}, 33, {837, 270}};
inline constexpr KnobPlace kSubKnobPlace{10, {956, 270}, 33, {956, 270}};
inline constexpr PanelPoint kSwitchCentre{128, 215};
inline constexpr int kSwitchRadius = 30;
inline constexpr int kValueKnobInnerRadius = 15, kValueKnobOuterRadius = 30;

// A concentric pair of value knobs, in the order region 6 tests them (inner first).
struct ValueKnobPair {
    PanelPoint centre;
    int32_t inner, outer;
};
std::span<const ValueKnobPair> valueKnobPairs();

// One value knob: limits, the step of a click, a wheel notch and a repeat tick, the id of its
// highlight, and the radio-state record that holds its value.
struct ValueKnobRow {
    int32_t code;
    int32_t min, max;
    int32_t click, wheel, repeat;
    int32_t highlight;
    const BoundedInt& (*record)(const RadioRecords&);
};
// The row of a value knob code; nullptr for any other code.
const ValueKnobRow* valueKnobRow(int32_t code);
inline bool isValueKnob(int32_t code) {
    return valueKnobRow(code) != nullptr;
}

// The place of a dial or multi-function knob code (102-104, 222-237); nullptr otherwise.
const KnobPlace* knobPlaceOf(int32_t code);
// The notice that draws a dial or multi-function knob at an angle (360: at rest).
uint32_t knobImageNotice(int32_t code);

// The CLAR knob's code by the CLAR assignment: 103, 104, or 0 (the knob does nothing).
int32_t clarCode(int32_t assignment);
// A multi-function knob's code by its side's function, mode and contour/APF state; 0 for none.
int32_t multiFunctionCode(int side, int32_t function, int32_t mode, int32_t contourState);

// The angle of p around centre: 0 at twelve o'clock, growing clockwise, 0..359.
int32_t angleAround(PanelPoint p, PanelPoint centre);

}  // namespace velmora
