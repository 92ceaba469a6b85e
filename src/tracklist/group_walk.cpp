#include "tracklist/group_walk.h"

#include "tracklist/break_marker.h"

namespace velutreck {

void StripLeadingBreaks(ListBox& list) {
    while (list.Count() > 0 && IsBreakMarker(list.Entry(0))) {
        list.Remove(0);
    }
}

Int16 GroupLastIndex(const ListBox& list) {
    const Int16 count = list.Count();
    if (count == 0 || IsBreakMarker(list.Entry(0))) {
        return -1;
    }
    for (Int16 index = 1; index < count; ++index) {
        if (IsBreakMarker(list.Entry(index))) {
            return index - 1;
        }
    }
    return count - 1;
}

}  // namespace velutreck
