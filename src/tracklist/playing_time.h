// Playing times of the list: the sum of the known lengths of a set of files, and how many files
// have no length yet (still being read) or none at all (unknown).
#pragma once

#include <chrono>
#include <string>
#include <vector>

#include "platform/controls.h"
#include "platform/media_lengths.h"

namespace velutreck {

struct PlayingTime {
    std::chrono::milliseconds known{0};  // the sum of the lengths that are known
    int files = 0;
    int reading = 0;  // files whose length is still being read
    int unknown = 0;  // files whose length cannot be read
};

PlayingTime PlayingTimeOf(const std::vector<std::string>& files, const MediaLengths& lengths);

// The files of each group of the list, in list order; markers that bound no files make no group.
std::vector<std::vector<std::string>> ListGroups(const ListBox& list);
// Every file entry of the list, in list order.
std::vector<std::string> ListFiles(const ListBox& list);

// The group that starts at entry 0, the next one the job takes; nothing when the list begins with
// a marker or is empty.
PlayingTime TopGroupPlayingTime(const ListBox& list, const MediaLengths& lengths);

}  // namespace velutreck
