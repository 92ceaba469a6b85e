// Adds items dropped from Explorer or named on the command line to the track list: their batches
// one after another, each as Add files adds its batch, while the walk goes on.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/controls.h"
#include "platform/file_system.h"

namespace velutreck {

struct AddItemsResult {
    std::string errorMessage;    // text of an "Error: " message box to show, or empty
    std::string skippedMessage;  // text of the information message about skipped items, or empty
};

// The first batch that does not fit is refused whole, and nothing after it is added either, so that
// the groups never come out of order; what was added stays. The walk ends there, or before a folder
// when the list could not take even one more file. `betweenSteps` runs before each item, folder
// and playlist entry is looked at, with the number of audio files found so far: the window answers
// and shows its progress there while the walk runs on its thread, and false from it (the user
// stopped the walk) ends the walk, with the batches added before kept.
AddItemsResult AddItems(ListBox& list, const FileSystem& files, const std::vector<std::string>& items, bool autoBreak,
                        const std::function<bool(int found)>& betweenSteps);

}  // namespace velutreck
