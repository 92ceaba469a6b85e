#include "tracklist/list_summary.h"

#include <array>

#include "tracklist/media_fit.h"

namespace velutreck {

namespace {

// The limits the summary names, short enough for its two lines: those Start refuses the list
// over, or else those it asks about, as Start names only refusals when there are any. A limit
// that several groups exceed is named once, with their number.
std::vector<std::string> ExceededLimits(const MediaFit& fit, DiscChoice disc) {
    bool refused = false;
    std::array<int, 5> groups{};
    std::array<std::size_t, 5> firstGroup{};
    for (const LimitExceeded& exceeded : fit.exceeded) {
        refused = refused || Refuses(exceeded.limit);
        const auto kind = static_cast<std::size_t>(exceeded.limit);
        firstGroup[kind] = groups[kind]++ == 0 ? exceeded.group : firstGroup[kind];
    }
    const auto groupsOver = [&](MediaLimit limit, const std::string& what) {
        const auto kind = static_cast<std::size_t>(limit);
        return (groups[kind] == 1 ? "group " + std::to_string(firstGroup[kind] + 1)
                                  : std::to_string(groups[kind]) + " groups") +
               " over " + what;
    };
    const auto capacity = MiniDiscCapacity(disc);
    std::vector<std::string> named;
    for (const MediaLimit limit : {MediaLimit::CdTracks, MediaLimit::CdImageMax, MediaLimit::CdImageNormal,
                                   MediaLimit::MiniDiscTracks, MediaLimit::DiscFull}) {
        if (groups[static_cast<std::size_t>(limit)] == 0 || Refuses(limit) != refused) {
            continue;
        }
        switch (limit) {
        case MediaLimit::CdTracks:
            named.push_back(groupsOver(limit, std::to_string(CdTracksMax) + " files"));
            break;
        case MediaLimit::CdImageMax:
            named.push_back(groupsOver(limit, "99:59"));
            break;
        case MediaLimit::CdImageNormal:
            named.push_back(groupsOver(limit, "80:00"));
            break;
        case MediaLimit::MiniDiscTracks:
            named.push_back("over " + std::to_string(MiniDiscTracksMax) + " tracks");
            break;
        case MediaLimit::DiscFull:
            named.push_back(FormatPlayingTime(fit.total.known - capacity) + " too long for " +
                            AMiniDiscOf(disc.minutes) + " at " + CompressionName(disc.lp4));
            break;
        }
    }
    return named;
}

std::string Joined(const std::vector<std::string>& parts) {
    std::string text;
    for (const std::string& part : parts) {
        text += (text.empty() ? "" : ", ") + part;
    }
    return text;
}

}  // namespace

std::string CountOf(int count, const char* singular, const char* plural) {
    return std::to_string(count) + " " + (count == 1 ? singular : plural);
}

std::string ListSummary(const ListBox& list, const MediaLengths& lengths, DiscChoice disc) {
    const std::vector<std::vector<std::string>> groups = ListGroups(list);
    const MediaFit fit = FitToMedia(groups, lengths, disc);
    const PlayingTime& time = fit.total;
    if (time.files == 0) {
        return "No files";
    }
    const std::string counts =
        CountOf(time.files, "file", "files") + " in " + CountOf(static_cast<int>(groups.size()), "group", "groups");
    if (time.reading > 0) {
        return counts + ", reading the length of " + CountOf(time.reading, "file", "files");
    }
    const std::string unknown =
        time.unknown > 0 ? " (the length of " + CountOf(time.unknown, "file", "files") + " is unknown)" : "";
    const std::string limits = Joined(ExceededLimits(fit, disc));
    if (time.unknown == time.files) {
        return counts + (limits.empty() ? "" : " - " + limits) + unknown;
    }
    const std::string verdict =
        !limits.empty() ? limits
                        : "fits " + AMiniDiscOf(disc.minutes) + " at " + CompressionName(disc.lp4) + ", " +
                              FormatPlayingTime(MiniDiscCapacity(disc) - time.known) + " to spare";
    return counts + ", " + FormatPlayingTime(time.known) + " - " + verdict + unknown;
}

std::string AddingSummary(int found) {
    return "Adding: " + CountOf(found, "file", "files") + " found so far (Esc or Stop ends it)";
}

}  // namespace velutreck
