#include "tracklist/list_summary.h"

#include "tracklist/media_limits.h"
#include "tracklist/playing_time.h"

namespace velutreck {

std::string CountOf(int count, const char* singular, const char* plural) {
    return std::to_string(count) + " " + (count == 1 ? singular : plural);
}

std::string ListSummary(const ListBox& list, const MediaLengths& lengths, bool lp4) {
    const auto groups = static_cast<int>(ListGroups(list).size());
    const PlayingTime time = ListPlayingTime(list, lengths);
    if (time.files == 0) {
        return "No files";
    }
    const std::string counts = CountOf(time.files, "file", "files") + " in " + CountOf(groups, "group", "groups");
    if (time.reading > 0) {
        return counts + ", reading the length of " + CountOf(time.reading, "file", "files");
    }
    const std::string unknown =
        time.unknown > 0 ? " (the length of " + CountOf(time.unknown, "file", "files") + " is unknown)" : "";
    if (time.unknown == time.files) {
        return counts + unknown;
    }
    // Whole seconds, so that the total and the time to spare add up as shown.
    const std::chrono::milliseconds total = std::chrono::round<std::chrono::seconds>(time.known);
    const std::chrono::milliseconds capacity = MiniDiscCapacity(lp4);
    const std::string disc = std::to_string(MiniDiscMinutes) + "-minute MiniDisc at " + CompressionName(lp4);
    const std::string verdict =
        total <= capacity ? "fits an " + disc + ", " + FormatPlayingTime(capacity - total) + " to spare"
                          : FormatPlayingTime(total - capacity) + " too long for an " + disc;
    return counts + ", " + FormatPlayingTime(total) + " - " + verdict + unknown;
}

std::string AddingSummary(int found) {
    return "Adding: " + CountOf(found, "file", "files") + " found so far (Esc or Stop ends it)";
}

}  // namespace velutreck
