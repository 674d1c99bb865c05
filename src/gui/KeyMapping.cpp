#include "gui/KeyMapping.h"

#include <QKeyEvent>

namespace velmora::gui {

namespace {

struct KeyRow {
    int qtKey;
    Key key;
};

// clang-format off
constexpr KeyRow kKeys[] = {
    {Qt::Key_F1,  Key::F1},  {Qt::Key_F2,  Key::F2},  {Qt::Key_F3,  Key::F3},
    {Qt::Key_F4,  Key::F4},  {Qt::Key_F5,  Key::F5},  {Qt::Key_F6,  Key::F6},
    {Qt::Key_F7,  Key::F7},  {Qt::Key_F8,  Key::F8},  {Qt::Key_F9,  Key::F9},
    {Qt::Key_F10, Key::F10}, {Qt::Key_F11, Key::F11}, {Qt::Key_F12, Key::F12},
    {Qt::Key_PageUp, Key::PageUp}, {Qt::Key_PageDown, Key::PageDown},
    {Qt::Key_Home,   Key::Home},   {Qt::Key_End,      Key::End},
};
// clang-format on

Key keyOf(int qtKey) {
    for (const KeyRow& row : kKeys) {
        if (row.qtKey == qtKey) return row.key;
    }
    return Key::Other;
}

}  // namespace

std::optional<KeyPress> toKeyPress(const QKeyEvent& event) {
    if (event.type() != QEvent::KeyPress) return std::nullopt;
    const Qt::KeyboardModifiers m = event.modifiers();
    return KeyPress{keyOf(event.key()), m.testFlag(Qt::ShiftModifier),
                    m.testFlag(Qt::ControlModifier), m.testFlag(Qt::AltModifier),
                    event.isAutoRepeat()};
}

}  // namespace velmora::gui
