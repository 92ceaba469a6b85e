// Turns the keyboard messages a hosted window gets into the key strokes a stand-in expects. Keys
// that type a character arrive twice, as a key-down and as the character TranslateMessage makes
// of it; each becomes one stroke: characters from WM_CHAR / WM_SYSCHAR, named keys (Enter, Esc,
// Home, F2, Down ...) from their key-down, whose character (a carriage return for Enter) is
// dropped. Alt over a letter arrives as WM_SYSCHAR and gives the letter with Alt set. Modifier
// keys on their own, the marker key of a waited injection and the key-downs of Unicode packets
// give nothing.
#pragma once

#include <optional>

#include "platform/keys.h"
#include "platform/win32/windows_api.h"

namespace velutreck {

// The modifiers held when the message was taken from the queue.
struct HeldKeys {
    bool shift = false;
    bool ctrl = false;
    bool alt = false;
};

class KeyMessageReader {
public:
    std::optional<KeyStroke> Read(UINT message, WPARAM wParam, const HeldKeys& held);

private:
    std::optional<KeyStroke> KeyDown(WPARAM virtualKey, const HeldKeys& held) const;
    std::optional<KeyStroke> Character(wchar_t unit, const HeldKeys& held, bool alt);

    wchar_t highSurrogate_ = 0;  // the first half of a character beyond U+FFFF
};

}  // namespace velutreck
