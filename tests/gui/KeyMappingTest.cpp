// Qt key events built by hand, as the window's event filter receives them.
#include <gtest/gtest.h>

#include <QKeyEvent>

#include "WindowFixture.h"
#include "gui/KeyMapping.h"

namespace velmora::gui::test {
namespace {

struct Row {
    QEvent::Type type;
    int qtKey;
    Qt::KeyboardModifiers modifiers;
    bool autoRepeat;
    std::optional<KeyPress> expected;
};

bool same(const KeyPress& a, const KeyPress& b) {
    return a.key == b.key && a.shift == b.shift && a.ctrl == b.ctrl && a.alt == b.alt &&
           a.autoRepeat == b.autoRepeat;
}

TEST(KeyMappingTest, MapsTheBoundKeysAndTheirModifiers) {
    // Key events need the application: without it each one makes a keyboard device no one owns.
    application();
    const auto none = Qt::NoModifier;
    const auto shiftCtrl = Qt::ShiftModifier | Qt::ControlModifier;
    // clang-format off
    const Row rows[] = {
        {QEvent::KeyPress,   Qt::Key_F1,       none,               false, KeyPress{Key::F1}},
        {QEvent::KeyPress,   Qt::Key_F10,      Qt::AltModifier,    false, KeyPress{Key::F10, false, false, true}},
        {QEvent::KeyPress,   Qt::Key_F12,      shiftCtrl,          false, KeyPress{Key::F12, true, true}},
        {QEvent::KeyPress,   Qt::Key_F5,       Qt::ShiftModifier,  true,  KeyPress{Key::F5, true, false, false, true}},
        {QEvent::KeyPress,   Qt::Key_PageUp,   none,               false, KeyPress{Key::PageUp}},
        {QEvent::KeyPress,   Qt::Key_PageDown, none,               false, KeyPress{Key::PageDown}},
        {QEvent::KeyPress,   Qt::Key_Home,     Qt::KeypadModifier, false, KeyPress{Key::Home}},
        {QEvent::KeyPress,   Qt::Key_End,      none,               false, KeyPress{Key::End}},
        {QEvent::KeyPress,   Qt::Key_A,        Qt::ControlModifier, false, KeyPress{Key::Other, false, true}},
        {QEvent::KeyPress,   Qt::Key_F13,      none,               false, KeyPress{Key::Other}},
        {QEvent::KeyRelease, Qt::Key_F2,       none,               false, std::nullopt},
    };
    // clang-format on
    for (const Row& r : rows) {
        const QKeyEvent event(r.type, r.qtKey, r.modifiers, QString(), r.autoRepeat);
        const std::optional<KeyPress> got = toKeyPress(event);
        ASSERT_EQ(got.has_value(), r.expected.has_value()) << r.qtKey;
        if (got) {
            EXPECT_TRUE(same(*got, *r.expected)) << r.qtKey;
        }
    }
}

}  // namespace
}  // namespace velmora::gui::test
