#pragma once
// What the panel input needs of the window around it, beyond the window host's messages and
// timers: the pointer as it is now, the modeless windows it opens and closes, the menu bar, the
// pop-up option menus and the modal boxes. The Qt window implements it; tests put a fake in its
// place and move the pointer by hand. GUI thread only.
#include <cstdint>
#include <span>

#include "panel/display/Canvas.h"

namespace velmora {

// The modeless windows of the panel, in the order in which a click on the panel gives the first
// open one the keyboard focus.
enum class PanelWindow : uint8_t {
    MenuList,
    VfoSet,
    ComSelect,
    BaudRate,
    CommandSend,
    Cw,
    Playback,
    Rotator,
    Repeater,
    Equalizer,
    ConnectionNotice,
};
inline constexpr int kPanelWindowCount = 11;

enum class MouseButton : uint8_t { Left, Right };

// One item of a pop-up option menu: its label and its 1-based value id.
struct OptionMenuItem {
    const char* label;
    uint32_t id;
};

class PanelInputHost {
  public:
    virtual ~PanelInputHost() = default;

    // The pointer now, as a panel pixel (outside the panel when it is in the window's margins or
    // outside the window), and whether a button is held now.
    virtual PanelPoint cursorPosition() = 0;
    virtual bool buttonHeld(MouseButton button) = 0;

    // Creates, places and shows the modeless window; false when this program has no such window
    // (nothing was opened).
    virtual bool openWindow(PanelWindow window) = 0;
    // Destroys the window; nothing when it is not open.
    virtual void closeWindow(PanelWindow window) = 0;
    virtual void focusWindow(PanelWindow window) = 0;
    // A radio notification passed on to an open window.
    virtual void relayToWindow(PanelWindow window, uint32_t id, uintptr_t wParam,
                               intptr_t lParam) = 0;
    // The menu bar's items 32780-32789: greyed while a modeless window is open. "Exit" is never
    // greyed, and an item whose window this program does not have stays greyed.
    virtual void enableMenuCommands(bool enabled) = 0;

    // Shows the option menu at offset from the main window's outer top-left corner (design pixels)
    // with checkedId checked (0: none), and returns the chosen id, or 0 when it was dismissed.
    virtual uint32_t trackOptionMenu(std::span<const OptionMenuItem> items, PanelPoint offset,
                                     uint32_t checkedId) = 0;
    // A modal message box with a text of the string table.
    virtual void showMessage(int stringId) = 0;
    // The wait window (dialog 901), modal: it ends at once when no read runs.
    virtual void runWaitWindow() = 0;
    // The version window, modal.
    virtual void runVersionWindow() = 0;

    // VFO SET's keypad (only called while VFO SET is open): a digit typed (the window ignores a
    // ninth), and ENT, which runs the window's OK: it reports VFO_SET_RESULT or, for a number out
    // of range, says so and stays open.
    virtual void vfoSetAppendDigit(int digit) = 0;
    virtual void vfoSetEnter() = 0;
};

}  // namespace velmora
