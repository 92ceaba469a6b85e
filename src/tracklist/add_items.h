// Adds items dropped from Explorer or named on the command line to the track list: their batches
// one after another, each as Add files adds its batch.
#pragma once

#include <string>
#include <vector>

#include "platform/controls.h"
#include "platform/file_system.h"

namespace velutreck {

struct AddItemsResult {
    std::string errorMessage;    // text of an "Error: " message box to show, or empty
    std::string skippedMessage;  // text of the information message about skipped items, or empty
};

// The first batch that does not fit is refused whole, and the batches after it are not added
// either, so that the groups never come out of order; what was added stays.
AddItemsResult AddItems(ListBox& list, const FileSystem& files, const std::vector<std::string>& items, bool autoBreak);

}  // namespace velutreck
