// One batch into the track list, as Add files adds it: a break marker first when the automatic
// break is on, so that the batch forms a group of its own, then the files at the end of the list.
#pragma once

#include <string>
#include <vector>

#include "platform/controls.h"

namespace velutreck {

// False, and nothing added, when the batch with its marker does not fit into the list.
bool AppendBatch(ListBox& list, const std::vector<std::string>& paths, bool autoBreak);

}  // namespace velutreck
