#include "engine/media_checks.h"

#include "base/utf8.h"
#include "tracklist/list_summary.h"
#include "tracklist/media_limits.h"
#include "tracklist/playing_time.h"

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
    PlayingTime total;
    for (std::size_t index = 0; index < job.groups.size(); ++index) {
        PlayingTime time = PlayingTimeOf(job.groups[index], lengths);
        // Whole seconds, as the messages show them.
        time.known = std::chrono::round<std::chrono::seconds>(time.known);
        total.known += time.known;
        total.files += time.files;
        problems.unknownLengths += time.unknown + time.reading;
        if (time.files > CdTracksMax) {
            problems.refusals.push_back(GroupName(index) + " has " + std::to_string(time.files) +
                                        " files; an audio CD holds " + std::to_string(CdTracksMax) +
                                        " tracks. Insert a break to split it.");
        }
        if (time.known > CdImageMax) {
            problems.refusals.push_back(GroupName(index) + " plays " + FormatPlayingTime(time.known) +
                                        "; no CD image holds more than 99:59.");
        } else if (time.known > CdImageNormal) {
            problems.questions.push_back(GroupName(index) + " plays " + FormatPlayingTime(time.known) +
                                         "; Nero writes an image of an 80-minute CD unless it is set to overburn.");
        }
    }
    if (total.files > MiniDiscTracksMax) {
        problems.refusals.push_back("The list has " + std::to_string(total.files) + " files; a MiniDisc holds " +
                                    std::to_string(MiniDiscTracksMax) + " tracks.");
    }
    const auto capacity = MiniDiscCapacity(job.lp4);
    if (total.known > capacity) {
        problems.questions.push_back(
            "The list plays " + FormatPlayingTime(total.known) + ", " + FormatPlayingTime(total.known - capacity) +
            " more than an " + std::to_string(MiniDiscMinutes) + "-minute MiniDisc holds at " +
            CompressionName(job.lp4) + "." + (job.erase ? "" : " The tracks already on the disc take space too."));
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
