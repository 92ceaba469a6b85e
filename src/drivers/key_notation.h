// The key notation of everything typed into the other programs: plain characters, "~" for Enter,
// "+", "^" and "%" holding Shift, Ctrl and Alt over the next key or "(" group ")", "{NAME}" for a
// named key and "{c}" for a literal special character.
#pragma once

#include <string>

#include "platform/keys.h"

namespace velutreck {

// Throws a KeyNotation failure for a sequence that breaks the notation; nothing of it is typed.
KeySequence ParseKeys(const std::string& notation);

}  // namespace velutreck
