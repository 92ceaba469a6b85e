// The pieces of the group walk by which the transfer engine takes the list apart from the top,
// one group at a time: markers at the top bound no files and are dropped, and the group then runs
// from entry 0 to the entry before the next marker or to the end of the list.
#pragma once

#include "base/int16.h"
#include "platform/controls.h"

namespace velutreck {

// Removes the markers at the top of the list; a list of markers only ends up empty.
void StripLeadingBreaks(ListBox& list);

// The index of the last entry of the group that starts at entry 0, or -1 when no group starts
// there (the list is empty or begins with a marker).
Int16 GroupLastIndex(const ListBox& list);

}  // namespace velutreck
