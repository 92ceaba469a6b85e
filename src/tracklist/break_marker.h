// The break marker: the one entry text that is not a file. Markers cut the track list into groups,
// and every layer tells them apart from files by this exact, case-sensitive text and nothing else.
#pragma once

#include <string_view>

namespace velutreck {

inline constexpr std::string_view BreakMarker = "---Break---";

constexpr bool IsBreakMarker(std::string_view text) { return text == BreakMarker; }

}  // namespace velutreck
