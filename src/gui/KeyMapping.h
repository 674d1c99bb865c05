#pragma once
// Qt's key events as the key definitions' KeyPress: the function keys, Page Up/Down, Home and End
// with their modifiers and the auto-repeat flag; every other key is Key::Other.
#include <optional>

#include "panel/display/KeyPress.h"

class QKeyEvent;

namespace velmora::gui {

// Nothing for an event that is not a key press.
std::optional<KeyPress> toKeyPress(const QKeyEvent& event);

}  // namespace velmora::gui
