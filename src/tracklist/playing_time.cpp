#include "tracklist/playing_time.h"

#include "tracklist/break_marker.h"
#include "tracklist/group_walk.h"

namespace velutreck {

PlayingTime PlayingTimeOf(const std::vector<std::string>& files, const MediaLengths& lengths) {
    PlayingTime time;
    for (const std::string& file : files) {
        const MediaLength length = lengths.Length(file);
        ++time.files;
        switch (length.state) {
        case MediaLength::State::Known:
            time.known += length.time;
            break;
        case MediaLength::State::Reading:
            ++time.reading;
            break;
        case MediaLength::State::Unknown:
            ++time.unknown;
            break;
        }
    }
    return time;
}

std::vector<std::vector<std::string>> ListGroups(const ListBox& list) {
    std::vector<std::vector<std::string>> groups;
    bool groupOpen = false;
    for (Int16 index = 0; index < list.Count(); ++index) {
        const std::string entry = list.Entry(index);
        if (IsBreakMarker(entry)) {
            groupOpen = false;
            continue;
        }
        if (!groupOpen) {
            groups.emplace_back();
            groupOpen = true;
        }
        groups.back().push_back(entry);
    }
    return groups;
}

std::vector<std::string> ListFiles(const ListBox& list) {
    std::vector<std::string> files;
    for (Int16 index = 0; index < list.Count(); ++index) {
        std::string entry = list.Entry(index);
        if (!IsBreakMarker(entry)) {
            files.push_back(std::move(entry));
        }
    }
    return files;
}

PlayingTime TopGroupPlayingTime(const ListBox& list, const MediaLengths& lengths) {
    std::vector<std::string> group;
    for (Int16 index = 0, last = GroupLastIndex(list); index <= last; ++index) {
        group.push_back(list.Entry(index));
    }
    return PlayingTimeOf(group, lengths);
}

}  // namespace velutreck
