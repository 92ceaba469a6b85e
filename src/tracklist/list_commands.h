// The user's editing commands on the track list, shared by the buttons of the "Files" tab and the
// list's context menu. They act on the list box's own selection, ask nothing and show nothing; a
// command whose selection rule is not met does nothing. Adding files lives in add_files.h.
#pragma once

#include "platform/controls.h"

namespace velutreck {

// Puts a marker before the selected entry and selects the marker.
void InsertBreak(ListBox& list);

// Removes the selected entry, file or marker, and leaves nothing selected.
void RemoveSelected(ListBox& list);

// Removes every entry.
void RemoveAll(ListBox& list);

// Swap the selected entry with its upper / lower neighbour; the moved entry stays selected.
void ShiftUp(ListBox& list);
void ShiftDown(ListBox& list);

}  // namespace velutreck
