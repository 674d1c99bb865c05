#pragma once
// One key going down, as the key definitions see it: which key, which modifiers are held, and
// whether the keyboard repeats a key that is held. The toolkit's key events are mapped to it in
// the adapter; every key the definitions do not bind is Key::Other.
namespace velmora {

enum class Key {
    Other,
    F1,
    F2,
    F3,
    F4,
    F5,
    F6,
    F7,
    F8,
    F9,
    F10,
    F11,
    F12,
    PageUp,
    PageDown,
    Home,
    End,
};

struct KeyPress {
    Key key = Key::Other;
    bool shift = false;
    bool ctrl = false;
    bool alt = false;
    bool autoRepeat = false;
};

}  // namespace velmora
