// How a list's groups measure against the audio CD image each becomes and the MiniDisc they all go
// to. The summary under the list and the checks at Start both read this one measure, so the two
// never disagree.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "platform/media_lengths.h"
#include "tracklist/media_limits.h"
#include "tracklist/playing_time.h"

namespace velutreck {

// The limits a job is measured against, in the order the summary names them.
enum class MediaLimit {
    CdTracks,        // a group of more than 99 files
    CdImageMax,      // a group longer than any CD image
    CdImageNormal,   // a group longer than Nero's 80-minute image
    MiniDiscTracks,  // more files than the MiniDisc has tracks
    DiscFull,        // longer than the MiniDisc holds
};
inline constexpr std::size_t MediaLimitCount = static_cast<std::size_t>(MediaLimit::DiscFull) + 1;

// Start refuses a job over these limits; over the others it asks.
constexpr bool Refuses(MediaLimit limit) {
    return limit == MediaLimit::CdTracks || limit == MediaLimit::CdImageMax || limit == MediaLimit::MiniDiscTracks;
}

struct LimitExceeded {
    MediaLimit limit;
    std::size_t group = 0;  // the group's index, for the limits of a group
};

struct MediaFit {
    // Each group's playing time, its known part in whole seconds as the messages show it: a group
    // is compared, and added to the list's total, as it is shown.
    std::vector<PlayingTime> groups;
    PlayingTime total;
    std::vector<LimitExceeded> exceeded;  // group by group, then the list's own
};

MediaFit FitToMedia(const std::vector<std::vector<std::string>>& groups, const MediaLengths& lengths, DiscChoice disc);

}  // namespace velutreck
