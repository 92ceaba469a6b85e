#include "tracklist/add_items.h"

#include "tracklist/append_batch.h"
#include "tracklist/item_batches.h"
#include "tracklist/skipped_items_message.h"

namespace velutreck {

AddItemsResult AddItems(ListBox& list, const FileSystem& files, const std::vector<std::string>& items, bool autoBreak) {
    const ItemBatches found = BatchesOfItems(items, files);
    AddItemsResult result{"", SkippedItemsMessage(found.skipped)};
    for (const std::vector<std::string>& batch : found.batches) {
        if (!AppendBatch(list, batch, autoBreak)) {
            result.errorMessage = "Error: The files from \"" + batch.front() +
                                  "\" on do not fit into the track list: it holds at most 32,767 entries.";
            break;
        }
    }
    return result;
}

}  // namespace velutreck
