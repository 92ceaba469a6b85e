#include "tracklist/list_capacity.h"

#include "base/failure.h"

namespace velutreck {

namespace {

void EnsureRoomForOne(const ListBox& list) {
    if (!HasRoomFor(list, 1)) {
        throw Failure(FailureKind::Overflow, std::string(FullListText));
    }
}

}  // namespace

bool HasRoomFor(const ListBox& list, long long extra) {
    return static_cast<long long>(list.Count().Value()) + extra <= MaxTrackListEntries.Value();
}

void AppendEntry(ListBox& list, const std::string& text) {
    EnsureRoomForOne(list);
    list.Append(text);
}

void InsertEntry(ListBox& list, Int16 index, const std::string& text) {
    EnsureRoomForOne(list);
    list.Insert(index, text);
}

}  // namespace velutreck
