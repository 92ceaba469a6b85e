#include "tracklist/add_items.h"

#include "tracklist/append_batch.h"
#include "tracklist/item_batches.h"
#include "tracklist/list_capacity.h"
#include "tracklist/skipped_items_message.h"

namespace velutreck {

AddItemsResult AddItems(ListBox& list, const FileSystem& files, const std::vector<std::string>& items, bool autoBreak,
                        const std::function<bool(int found)>& betweenSteps) {
    AddItemsResult result;
    const long long smallestBatch = autoBreak ? 2 : 1;  // one file, and its marker
    const BatchSink sink{
        .take =
            [&](const std::vector<std::string>& batch) {
                if (AppendBatch(list, batch, autoBreak)) {
                    return true;
                }
                result.errorMessage = "Error: The files from \"" + batch.front() +
                                      "\" on do not fit into the track list: it holds at most 32,767 entries.";
                return false;
            },
        .goOn =
            [&] {
                if (HasRoomFor(list, smallestBatch)) {
                    return true;
                }
                result.errorMessage = "Error: " + std::string(FullListText);
                return false;
            },
        .between = betweenSteps,
    };
    result.skippedMessage = SkippedItemsMessage(WalkItems(items, files, sink));
    return result;
}

}  // namespace velutreck
