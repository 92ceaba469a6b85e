#include "tracklist/append_batch.h"

#include "tracklist/break_marker.h"
#include "tracklist/list_capacity.h"

namespace velutreck {

bool AppendBatch(ListBox& list, const std::vector<std::string>& paths, bool autoBreak) {
    const long long marker = autoBreak ? 1 : 0;
    if (!HasRoomFor(list, marker + static_cast<long long>(paths.size()))) {
        return false;
    }
    if (autoBreak) {
        AppendEntry(list, std::string(BreakMarker));
    }
    for (const std::string& path : paths) {
        AppendEntry(list, path);
    }
    return true;
}

}  // namespace velutreck
