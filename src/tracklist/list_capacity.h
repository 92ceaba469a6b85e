// The track list's capacity. Its indices are 16-bit, so it holds at most 32,767 entries; every
// insertion into the list goes through these functions, which refuse one entry too many with a
// message the user can read instead of letting an index overflow halfway through an edit.
#pragma once

#include <string>
#include <string_view>

#include "base/int16.h"
#include "platform/controls.h"

namespace velutreck {

inline constexpr Int16 MaxTrackListEntries = Int16::Max;
inline constexpr std::string_view FullListText = "The track list is full: it holds at most 32,767 entries.";

// Whether `extra` more entries fit into the list.
bool HasRoomFor(const ListBox& list, long long extra);

// Both throw an Overflow failure and leave the list unchanged when it is full.
void AppendEntry(ListBox& list, const std::string& text);
void InsertEntry(ListBox& list, Int16 index, const std::string& text);

}  // namespace velutreck
