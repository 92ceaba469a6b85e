// Builds in-memory track lists from plain vectors and reads them back, so that a test states a
// list as [A, B, marker, C] and compares the whole list in one assertion.
#pragma once

#include <string>
#include <vector>

#include "platform/memory/memory_controls.h"
#include "tracklist/break_marker.h"

namespace velutreck {

using Strings = std::vector<std::string>;
inline const std::string Marker(BreakMarker);

inline void Fill(MemoryListBox& list, const Strings& entries, Int16 selected = -1) {
    for (const std::string& entry : entries) {
        list.Append(entry);
    }
    list.SetSelectedIndex(selected);
}

inline Strings Entries(const ListBox& list) {
    Strings entries;
    for (Int16 index = 0; index < list.Count(); ++index) {
        entries.push_back(list.Entry(index));
    }
    return entries;
}

}  // namespace velutreck
