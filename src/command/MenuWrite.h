#pragma once
// The menu write (req::MENU_WRITE): every menu item the operator changed goes to the radio as its
// EX set command, 10 ms apart, and is marked written; CAT RATE goes last.
#include "command/CommandContext.h"

namespace velmora {

inline constexpr int kMenuWritePauseMs = 10;

// Returns the number of items written.
int writeChangedMenuItems(CommandContext& context);

}  // namespace velmora
