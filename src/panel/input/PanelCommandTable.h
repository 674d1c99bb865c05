#pragma once
// What each panel code posts: its panel action, whether the action names a receiver and carries a
// value, and where the value comes from; and the image notice that draws each key pressed or
// released.
#include <cstdint>

namespace velmora {

// Where a panel action's value (lParam) comes from.
enum class ValueSource : uint8_t {
    None,            // 0
    MenuChoice,      // the last option-menu choice
    State,           // the caller's state: press 1 / release 0, or long 1 / short 0
    KcFunction,      // the DSP key's function number, by code (5, 1, 3, 4, 2, 8, 6, 7)
    SwitchPosition,  // the six-position switch
    PendingSteps,    // a dial's or knob's pending steps, signed
    KnobValue,       // a value knob's new value
    Frequency,       // a frequency in Hz
};

inline constexpr uint8_t kCarriesTarget = 1, kCarriesValue = 2;

struct PanelCommandRow {
    int32_t first, last;  // panel codes
    int action;           // of the first code
    bool consecutive;     // the codes after the first take the actions after it
    uint8_t flags;        // kCarriesTarget, kCarriesValue
    ValueSource source;
};

// The row of a panel code; nullptr for a code that posts nothing.
const PanelCommandRow* panelCommandRow(int32_t code);
// The action of code in its row.
int panelAction(const PanelCommandRow& row, int32_t code);
// The DSP key function a KC key sends (codes 58-65 and 94-101).
int32_t kcFunctionOf(int32_t code);

// The image notice of a key or lamp code; 0 for a code without one.
uint32_t keyImageNotice(int32_t code);

}  // namespace velmora
