// Key strokes as people read them: "Alt+E", "Shift+End", "Enter", or the character itself. The
// desktop's record of typed keys and the stand-ins' notes use these, and the stand-ins match
// their accelerators with the helpers below (letters in either case: Alt+Y and Alt+y are one key).
#pragma once

#include <string>

#include "platform/keys.h"

namespace velutreck {

std::string KeyText(const KeyStroke& key);

// A character typed with no Ctrl or Alt held (Shift may be, for a capital).
bool IsTypedCharacter(const KeyStroke& key);
// The character a typed-character stroke puts into a text: Shift makes an ASCII letter a capital.
char32_t TypedCharacter(const KeyStroke& key);
// Alt held (alone, or with Shift) over the letter, in either case.
bool IsAltLetter(const KeyStroke& key, char letter);
// The letter without Ctrl or Alt, in either case.
bool IsLetter(const KeyStroke& key, char letter);
// The named key with exactly these modifiers.
bool IsKey(const KeyStroke& key, NamedKey named, bool shift = false, bool alt = false);

}  // namespace velutreck
