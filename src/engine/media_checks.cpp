#include "engine/media_checks.h"

#include "base/utf8.h"
#include "tracklist/list_summary.h"
#include "tracklist/media_fit.h"

namespace velutreck {

namespace {

std::string GroupName(std::size_t index) { return "Group " + std::to_string(index + 1); }

std::string JoinedLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += (text.empty() ? "" : "\r\n") + line;
    }
    return text;
}

std::string LimitText(const LimitExceeded& exceeded, const MediaFit& fit, const MediaJob& job) {
    const bool ofList = exceeded.limit == MediaLimit::MiniDiscTracks || exceeded.limit == MediaLimit::DiscFull;
    const PlayingTime& time = ofList ? fit.total : fit.groups[exceeded.group];
    switch (exceeded.limit) {
    case MediaLimit::CdTracks:
        return GroupName(exceeded.group) + " has " + std::to_string(time.files) + " files; an audio CD holds " +
               std::to_string(CdTracksMax) + " tracks. Insert a break to split it.";
    case MediaLimit::CdImageMax:
        return GroupName(exceeded.group) + " plays " + FormatPlayingTime(time.known) +
               "; no CD image holds more than 99:59.";
    case MediaLimit::CdImageNormal:
        return GroupName(exceeded.group) + " plays " + FormatPlayingTime(time.known) +
               "; Nero writes an image of an 80-minute CD unless it is set to overburn.";
    case MediaLimit::MiniDiscTracks:
        return "The list has " + std::to_string(time.files) + " files; a MiniDisc holds " +
               std::to_string(MiniDiscTracksMax) + " tracks.";
    case MediaLimit::DiscFull:
        return "The list plays " + FormatPlayingTime(time.known) + ", " +
               FormatPlayingTime(time.known - MiniDiscCapacity(job.disc)) + " more than " +
               AMiniDiscOf(job.disc.minutes) + " holds at " + CompressionName(job.disc.lp4) + "." +
               (job.erase ? "" : " The tracks already on the disc take space too.");
    }
    return {};
}

}  // namespace

int TitleCellsOf(const std::vector<std::string>& titles) {
    int cells = 0;
    for (const std::string& title : titles) {
        const auto characters = static_cast<int>(ToCodePoints(title).size());
        cells += (characters + CharactersPerTitleCell - 1) / CharactersPerTitleCell;
    }
    return cells;
}

MediaProblems CheckMedia(const MediaJob& job, const MediaLengths& lengths) {
    MediaProblems problems;
    const MediaFit fit = FitToMedia(job.groups, lengths, job.disc);
    problems.unknownLengths = fit.total.unknown + fit.total.reading;
    for (const LimitExceeded& exceeded : fit.exceeded) {
        (Refuses(exceeded.limit) ? problems.refusals : problems.questions).push_back(LimitText(exceeded, fit, job));
    }
    const int cells = TitleCellsOf(job.titles);
    if (cells > TitleCells) {
        problems.questions.push_back("The disc name and the track names take " + std::to_string(cells) +
                                     " title cells of " + std::to_string(CharactersPerTitleCell) +
                                     " characters; a MiniDisc has " + std::to_string(TitleCells) +
                                     ", so the last names will not fit.");
    }
    return problems;
}

std::string RefusalMessage(const MediaProblems& problems) { return "Error: " + JoinedLines(problems.refusals); }

std::string QuestionMessage(const MediaProblems& problems) {
    std::vector<std::string> lines = problems.questions;
    if (problems.unknownLengths > 0) {
        lines.push_back("The length of " + CountOf(problems.unknownLengths, "file", "files") + " is unknown.");
    }
    return JoinedLines(lines) + "\r\n\r\nStart anyway?";
}

}  // namespace velutreck
