// The one message that tells what a drop or a command line could not add: how many items were
// skipped, how many for each reason, and the first few by name.
#pragma once

#include <string>
#include <vector>

#include "tracklist/item_batches.h"

namespace velutreck {

inline constexpr std::size_t SkippedItemsNamed = 5;

// Empty when nothing was skipped.
std::string SkippedItemsMessage(const std::vector<SkippedItem>& skipped);

}  // namespace velutreck
