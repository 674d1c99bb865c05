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

#include "panel/input/KnobTurn.h"
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
    // A menu bar command (menu_item::EXIT .. menu_item::VERSION).
    void OnMenuCommand(int id);
    // A window message for the panel input: the close notices of its windows, VFO SET's result,
    // auto-information switched on, and the radio notifications its open windows follow. False
    // when the message is not one of those (the window then handles it alone). Radio notifications
    // and WM_AI_SWITCHED_ON stay the window's own as well: true only says the input acted on them.
    bool onWindowMessage(uint32_t id, uintptr_t wParam, intptr_t lParam);

    // No control pressed, selected or dragged and no modeless window open.
    bool isIdle() const;
    bool windowOpen(PanelWindow window) const;
    bool anyWindowOpen() const;
    int32_t activeCode() const;
    ControlAt controlAt(PanelPoint point) const;
    // The equalizer set (0 or 1) that "Prmtrc" or "P-Prmtrc" asked for; read when the equalizer
    // window is opened.
    int equalizerSet() const { return equalizerSet_; }

    // Posts the panel action of code (nothing for a code without one). state is the SUB target
    // for most codes, the press (1) or release (0) of TXW, and the long-press flag of 56 and 57.
    void IssuePanelCommand(int32_t code, uint8_t state);
    // Draws a key pressed or released (synchronously, through the main window).
    void ShowButtonState(int32_t code, bool pressed);
    // Presses code, or releases it when it is the active code.
    void PressPanelCode(int32_t code);

  private:
    enum class Hold : uint8_t { None, Left, Right };
    // What lies under a point, for clicks, the wheel and the tooltip.
    struct Hit {
        ControlKind kind = ControlKind::None;
        int32_t code = 0;  // 0 for a knob that does nothing now
    };

    // Buttons (CPanelInput.cpp).
    void pressKey(int32_t code);
    void releaseKey(int32_t code);
    void trackRelease();
    void onLongPress();
    void onStepRepeat();
    bool linkUp() const;
    bool linkReady() const;
    int32_t* pendingOf(int32_t code);

    // Knobs, the switch and the digits (CPanelInputKnobs.cpp).
    Hit hitAt(PanelPoint p) const;
    Hit knobAt(int region, PanelPoint p) const;
    int32_t KnobAngle(int32_t code) const;
    int32_t StepKnobValue(int32_t code, bool down, bool hold, bool wheel);
    KnobTurn& turnOf(int32_t code);
    void endSelection();
    void startDrag(int32_t code);
    void dragTick();
    void endDrag();
    void wheelKnob(int32_t code, bool up);
    void sendWheelSteps(int32_t code);
    void onWheelSend();
    void restKnobs(int32_t first, int32_t last);
    void onClarWheelRest();
    void selectValueKnob(int32_t code);
    void deselectValueKnob();
    void startHold(Hold button);
    void finishHold(Hold button);
    void onRepeatTick();
    void stepSwitch(bool down);
    void selectDigit(int32_t code);
    void deselectDigit();
    void tuneDigit(bool up);

    // Option menus (CPanelInputOptionMenu.cpp).
    int32_t OptionMenuStep(int32_t code);

    // Windows and the menu bar (CPanelInputWindows.cpp).
    bool openWindow(PanelWindow window);
    void closeWindow(PanelWindow window);
    void updateMenuBar();
    void focusFirstOpenWindow();
    bool blockingWindowOpen() const;
    void openConnectionNotice();
    void closeConnectionNotice();
    void onVfoSetResult(uintptr_t hz);
    bool relayNotification(uint32_t id, uintptr_t wParam, intptr_t lParam);

    void refreshSubTarget();

    RadioStateStore& store_;
    WindowHost& window_;
    PanelInputHost& host_;

    int32_t activeCode_ = 0;
    uint8_t subTarget_ = 0;
    uint8_t vfoSetTarget_ = 0;
    bool repeatDown_ = false;  // the value-knob hold steps down (left button)
    bool repeating_ = false;   // the hold has auto-repeated
    Hold hold_ = Hold::None;   // the button that holds a value knob
    bool dragging_ = false;
    int32_t knobValue_ = 0;
    int32_t menuChoice_ = 0;
    int32_t switchPosition_ = 0;
    int32_t frequency_ = 0;
    int32_t digitPosition_ = 0;         // 1..8 from the right
    uint8_t digitSide_ = 0;             // 0 MAIN, 1 SUB
    std::array<KnobTurn, 3> dials_{};   // 102, 103, 104
    std::array<KnobTurn, 16> knobs_{};  // 222..237
    int32_t lastAngle_ = 0;
    int32_t wheelCode_ = 0;  // the dial or knob whose notches gather while timer 40 runs
    std::array<bool, kPanelWindowCount> open_{};
    int equalizerSet_ = 0;
};

}  // namespace velmora
