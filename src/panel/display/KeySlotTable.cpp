#include "panel/display/KeySlotTable.h"

namespace velmora {

namespace {

using enum Key;

// clang-format off
constexpr KeySlot kPlain[] = {
    {F2, 0}, {F3, 1}, {F4, 2}, {F5, 3}, {F6, 4}, {F7, 5}, {F8, 6}, {F9, 7},
    {F11, 8}, {F12, 9},
    {PageUp, 42}, {PageDown, 43}, {Home, 44}, {End, 45},
};
constexpr KeySlot kShift[] = {
    {F1, 10}, {F2, 11}, {F3, 12}, {F4, 13}, {F5, 14}, {F6, 15}, {F7, 16}, {F8, 17}, {F9, 18},
    {F11, 19}, {F12, 20},
};
constexpr KeySlot kCtrl[] = {
    {F1, 21}, {F2, 22}, {F3, 23}, {F4, 24}, {F5, 25}, {F6, 26}, {F7, 27}, {F8, 28}, {F9, 29},
    {F11, 30}, {F12, 31},
};
constexpr KeySlot kAlt[] = {
    {F1, 32}, {F2, 33}, {F3, 34}, {F5, 35}, {F7, 36}, {F8, 37}, {F9, 38}, {F10, 39},
    {F11, 40}, {F12, 41},
};
// clang-format on

}  // namespace

std::span<const KeySlot> keySlots(KeyTable table) {
    switch (table) {
        case KeyTable::Plain:
            return kPlain;
        case KeyTable::Shift:
            return kShift;
        case KeyTable::Ctrl:
            return kCtrl;
        case KeyTable::Alt:
            break;
    }
    return kAlt;
}

std::optional<int> keySlotLine(KeyTable table, Key key) {
    for (const KeySlot& slot : keySlots(table)) {
        if (slot.key == key) return slot.line;
    }
    return std::nullopt;
}

}  // namespace velmora
