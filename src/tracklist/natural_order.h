// The order in which Explorer shows names: a run of digits compares as the number it writes ("2"
// before "10"), and letters compare without regard to case. Both builds use this one comparison
// rather than Windows' StrCmpLogicalW, so that the order is the same everywhere and pinned by tests.
#pragma once

#include <string_view>

namespace velutreck {

// A strict order: names equal but for case or leading zeros fall back to their plain text.
bool NaturalLess(std::string_view a, std::string_view b);

}  // namespace velutreck
