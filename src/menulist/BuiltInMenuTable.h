#pragma once
// The radio's setup menu as the program knows it without asking: one definition per item, with
// the radio's factory default as each item's value. The loader installs it into the store.
#include <array>

#include "link/MenuItemDef.h"

namespace velmora {

inline constexpr int kBuiltInMenuItemCount = 177;

// Items 1..177 in number order (index = number - 1).
const std::array<MenuItemDef, kBuiltInMenuItemCount>& builtInMenuDefinitions();

}  // namespace velmora
