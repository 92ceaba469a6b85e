// The line beside Start that says how the list measures against the chosen MiniDisc:
// "14 files in 3 groups, 2:31:07 - fits an 80-minute MiniDisc at LP2, 8:53 to spare", or the
// limits Start would refuse the list over or ask about: "255 files in 3 groups, 2:07:30 - over 254
// tracks".
#pragma once

#include <string>

#include "platform/controls.h"
#include "platform/media_lengths.h"
#include "tracklist/media_limits.h"

namespace velutreck {

std::string ListSummary(const ListBox& list, const MediaLengths& lengths, DiscChoice disc);
// What the summary shows while items are being added.
std::string AddingSummary(int found);

// "2 files", "1 file".
std::string CountOf(int count, const char* singular, const char* plural);

}  // namespace velutreck
