// The one line under the track list that says how long the list plays against the MiniDisc:
// "14 files in 3 groups, 2:31:07 - fits an 80-minute MiniDisc at LP2, 8:53 to spare".
#pragma once

#include <string>

#include "platform/controls.h"
#include "platform/media_lengths.h"

namespace velutreck {

std::string ListSummary(const ListBox& list, const MediaLengths& lengths, bool lp4);
// What the summary shows while items are being added.
std::string AddingSummary(int found);

// "2 files", "1 file".
std::string CountOf(int count, const char* singular, const char* plural);

}  // namespace velutreck
