#include "tracklist/list_commands.h"

#include <string>

#include "tracklist/break_marker.h"
#include "tracklist/list_capacity.h"

namespace velutreck {

namespace {

// A shift copies the entry to its new place and then deletes the original, so that a real list
// box ends with the moved entry where the selection is put. A full list has no room for the
// copy; there the original goes first, which gives the same list.
void MoveEntry(ListBox& list, Int16 from, Int16 copyAt, Int16 removeAfterCopy, Int16 to) {
    const std::string text = list.Entry(from);
    if (HasRoomFor(list, 1)) {
        InsertEntry(list, copyAt, text);
        list.Remove(removeAfterCopy);
    } else {
        list.Remove(from);
        InsertEntry(list, to, text);
    }
    list.SetSelectedIndex(to);
}

}  // namespace

void InsertBreak(ListBox& list) {
    const Int16 selected = list.SelectedIndex();
    if (selected == -1) {
        return;
    }
    InsertEntry(list, selected, std::string(BreakMarker));
    list.SetSelectedIndex(selected);
}

void RemoveSelected(ListBox& list) {
    const Int16 selected = list.SelectedIndex();
    if (selected == -1) {
        return;
    }
    list.Remove(selected);
    list.SetSelectedIndex(-1);
}

void RemoveAll(ListBox& list) { list.Clear(); }

void ShiftUp(ListBox& list) {
    const Int16 selected = list.SelectedIndex();
    if (selected <= 0) {
        return;
    }
    MoveEntry(list, selected, selected - 1, selected + 1, selected - 1);
}

void ShiftDown(ListBox& list) {
    const Int16 selected = list.SelectedIndex();
    if (selected == -1 || selected >= list.Count() - 1) {
        return;
    }
    MoveEntry(list, selected, selected + 2, selected, selected + 1);
}

}  // namespace velutreck
