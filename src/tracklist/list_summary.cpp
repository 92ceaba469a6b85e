#include "tracklist/list_summary.h"

#include <array>

#include "tracklist/media_fit.h"

namespace velutreck {

namespace {

// "an 80-minute MiniDisc at LP2".
std::string DiscText(DiscChoice disc) { return AMiniDiscOf(disc.minutes) + " at " + CompressionName(disc.lp4); }

// A limit as the summary names it, given how many groups exceed it and the first of them.
std::string LimitPhrase(MediaLimit limit, int groups, std::size_t first, const MediaFit& fit, DiscChoice disc) {
    const std::string which = groups == 1 ? "group " + std::to_string(first + 1) : std::to_string(groups) + " groups";
    switch (limit) {
    case MediaLimit::CdTracks:
        return which + " over " + std::to_string(CdTracksMax) + " files";
    case MediaLimit::CdImageMax:
        return which + " over 99:59";
    case MediaLimit::CdImageNormal:
        return which + " over 80:00";
    case MediaLimit::MiniDiscTracks:
        return "over " + std::to_string(MiniDiscTracksMax) + " tracks";
    case MediaLimit::DiscFull:
        return FormatPlayingTime(fit.total.known - MiniDiscCapacity(disc)) + " too long for " + DiscText(disc);
    }
    return {};
}

// The limits the summary names, in the order of MediaLimit: those Start refuses the list over, or
// else those it asks about, as Start names only refusals when there are any. A limit that several
// groups exceed is named once, with their number, so that the text stays within its label.
std::string ExceededLimits(const MediaFit& fit, DiscChoice disc) {
    bool refused = false;
    std::array<int, MediaLimitCount> groups{};
    std::array<std::size_t, MediaLimitCount> first{};
    for (const LimitExceeded& exceeded : fit.exceeded) {
        refused = refused || Refuses(exceeded.limit);
        const auto kind = static_cast<std::size_t>(exceeded.limit);
        first[kind] = groups[kind]++ == 0 ? exceeded.group : first[kind];
    }
    std::string named;
    for (std::size_t kind = 0; kind < MediaLimitCount; ++kind) {
        const auto limit = static_cast<MediaLimit>(kind);
        if (groups[kind] > 0 && Refuses(limit) == refused) {
            named += (named.empty() ? "" : ", ") + LimitPhrase(limit, groups[kind], first[kind], fit, disc);
        }
    }
    return named;
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
    const std::string limits = ExceededLimits(fit, disc);
    if (time.unknown == time.files) {
        return counts + (limits.empty() ? "" : " - " + limits) + unknown;
    }
    const std::string verdict =
        !limits.empty() ? limits
                        : "fits " + DiscText(disc) + ", " + FormatPlayingTime(MiniDiscCapacity(disc) - time.known) +
                              " to spare";
    return counts + ", " + FormatPlayingTime(time.known) + " - " + verdict + unknown;
}

std::string AddingSummary(int found) {
    return "Adding: " + CountOf(found, "file", "files") + " found so far (Esc or Stop ends it)";
}

}  // namespace velutreck
