#pragma once
// The front panel's input: every mouse action on the panel picture, the menu bar's commands and
// the input timers come here. It finds the key, knob, dial or digit under the pointer, keeps the
// panel's pressed and selected state (activeCode), times presses, long presses, repeats and drags,
// asks the main window to draw keys pressed or released, and turns each operation into one
// posted request to Anl_Send_Thread. It also opens and closes the modeless windows, greys the
// menu bar while one is open and relays radio notifications to them. GUI thread only; nothing
// here knows the toolkit.
#include <array>
#include <cstdint>
#include <string>

#include "panel/input/PanelInputHost.h"

namespace velmora {

class RadioStateStore;
class WindowHost;

// The mouse flags of the handlers: which buttons and modifiers were down with the event.
namespace mouse_flag {
inline constexpr uint32_t LEFT = 0x0001;
inline constexpr uint32_t RIGHT = 0x0002;
inline constexpr uint32_t SHIFT = 0x0004;
inline constexpr uint32_t CONTROL = 0x0008;
}  // namespace mouse_flag

// What lies under a panel point, for the pointer's shape and the tooltip.
enum class ControlKind : uint8_t { None, Key, Knob, Dial, Digit, Switch };
struct ControlAt {
    ControlKind kind = ControlKind::None;
    int32_t code = 0;
    std::string tooltip;  // the key's or knob's name; value knobs add their value
};

class CPanelInput {
  public:
    CPanelInput(RadioStateStore& store, WindowHost& window, PanelInputHost& host);
    CPanelInput(const CPanelInput&) = delete;
    CPanelInput& operator=(const CPanelInput&) = delete;

    // Mouse handlers; x, y are panel pixels. A double click comes as a second button-down.
    void OnLButtonDown(uint32_t flags, int32_t x, int32_t y);
    void OnLButtonUp(uint32_t flags, int32_t x, int32_t y);
    void OnRButtonDown(uint32_t flags, int32_t x, int32_t y);
    void OnRButtonUp(uint32_t flags, int32_t x, int32_t y);
    // One call per wheel notch: delta > 0 up, < 0 down; 0 is ignored.
    void OnMouseWheel(uint32_t flags, int32_t delta, int32_t x, int32_t y);
    // A tick of one of the input timers; false for any other id.
    bool OnTimer(int id);
    // VFO SET's OK: the same entry as the keypad's ENT key while VFO SET is open.
    void vfoSetEnter();
    // A menu bar command (menu_item::EXIT .. menu_item::VERSION).
    void OnMenuCommand(int id);
    // A window message for the panel input: the close notices of its windows, VFO SET's result,
    // auto-information switched on, and the radio notifications its open windows follow. False
    // when the message is not one of those (the window then handles it alone).
    bool onWindowMessage(uint32_t id, uintptr_t wParam, intptr_t lParam);

    // No control pressed, selected or dragged and no modeless window open.
    bool isIdle() const;
    bool windowOpen(PanelWindow window) const;
    bool anyWindowOpen() const;
    int32_t activeCode() const;
    ControlAt controlAt(PanelPoint point) const;

  private:
    RadioStateStore& store_;
    WindowHost& window_;
    PanelInputHost& host_;
};

}  // namespace velmora
