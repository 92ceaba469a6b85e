// Key strokes, as the key notation turns a sequence into them and as the desktop types them.
// One stroke is one press and release of a key, with Shift, Ctrl and Alt held over it.
#pragma once

#include <string>
#include <vector>

namespace velutreck {

enum class NamedKey {
    None,  // the stroke types its character
    Backspace, Break, CapsLock, Delete, Down, End, Enter, Escape, Help, Home, Insert, Left,
    NumLock, PageDown, PageUp, PrintScreen, Right, ScrollLock, Tab, Up,
    F1, F2, F3, F4, F5, F6, F7, F8, F9, F10, F11, F12, F13, F14, F15, F16,
};

struct KeyStroke {
    NamedKey key = NamedKey::None;
    char32_t character = 0;  // when key is None: the character to type, Shift added where it needs it
    bool shift = false;
    bool ctrl = false;
    bool alt = false;

    friend bool operator==(const KeyStroke&, const KeyStroke&) = default;
};

// A parsed sequence keeps the notation it came from, for the transcript and for error messages.
struct KeySequence {
    std::string notation;
    std::vector<KeyStroke> strokes;
};

}  // namespace velutreck
