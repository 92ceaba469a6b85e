// Items dropped from Explorer or named on the command line, turned into the batches the track list
// takes, each as one Add files would add it. An item is an audio file, a folder or a playlist:
// - the audio files among the items form one batch in Explorer's order, where the first of them stands;
// - a folder gives a batch for each folder in it that holds audio files: its own files first, then
//   its sub-folders one after another, depth first, both in Explorer's order; other files are not taken;
// - a playlist gives one batch of its entries in its order.
// Every file is named by its full path. What cannot be added is skipped and reported.
#pragma once

#include <string>
#include <vector>

#include "platform/file_system.h"

namespace velutreck {

enum class SkipReason { NotAudio, Missing, Url };

struct SkippedItem {
    std::string name;  // the full path, or a web address as it was given
    SkipReason reason;
};

struct ItemBatches {
    std::vector<std::vector<std::string>> batches;  // none empty
    std::vector<SkippedItem> skipped;
};

ItemBatches BatchesOfItems(const std::vector<std::string>& items, const FileSystem& files);

// The items with every path made full against the current folder; web addresses stay as they are.
// A second copy does this before it hands its items over, as its current folder is its own.
std::vector<std::string> FullItemPaths(const std::vector<std::string>& items, const FileSystem& files);

}  // namespace velutreck
