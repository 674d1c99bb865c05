#pragma once
// The key slots: which line of the key definition file a key sends, per modifier. 46 slots, lines
// 0 to 45. F1 without a modifier is not a slot: it opens the version window.
#include <optional>
#include <span>

#include "panel/display/KeyPress.h"

namespace velmora {

inline constexpr int kKeySlotCount = 46;

struct KeySlot {
    Key key;
    int line;
};

enum class KeyTable { Plain, Shift, Ctrl, Alt };

std::span<const KeySlot> keySlots(KeyTable table);

// The line of key in table, or nothing when the key is not bound there.
std::optional<int> keySlotLine(KeyTable table, Key key);

}  // namespace velmora
