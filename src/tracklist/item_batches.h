// Items dropped from Explorer or named on the command line, turned into the batches the track list
// takes, each as one Add files would add it. An item is an audio file, a folder or a playlist, by
// its path or by a "file:" address:
// - the audio files among the items form one batch in Explorer's order, where the first of them stands;
// - a folder gives a batch for each folder in it that holds audio files: its own files first, then
//   its sub-folders one after another, depth first, both in Explorer's order; other files are not taken;
// - a playlist gives one batch of its entries in its order.
// Every file is named by its full path. What cannot be added is skipped and reported.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/file_system.h"

namespace velutreck {

enum class SkipReason { NotAudio, Missing, Url };

struct SkippedItem {
    std::string name;  // the full path, or a web address as it was given
    SkipReason reason;
};

// Where the walk hands its batches, each as soon as it is whole, so that a walk of a whole drive
// ends where the list is full instead of after minutes.
struct BatchSink {
    // Takes a batch (never empty), or refuses it, which ends the walk.
    std::function<bool(const std::vector<std::string>& batch)> take;
    // Asked before each folder is listed; false ends the walk.
    std::function<bool()> goOn;
    // Asked before each item, folder and playlist entry is looked at (each can take a while on a
    // slow share), with the number of audio files found so far; false ends the walk.
    std::function<bool(int found)> between;
};

// The items skipped up to where the walk ended, in the order they were met.
std::vector<SkippedItem> WalkItems(const std::vector<std::string>& items, const FileSystem& files,
                                   const BatchSink& sink);

// The items with every path made full against the current folder; web addresses stay as they are.
// A second copy does this before it hands its items over, as its current folder is its own.
std::vector<std::string> FullItemPaths(const std::vector<std::string>& items, const FileSystem& files);

}  // namespace velutreck
