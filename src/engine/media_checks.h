// The checks at Start of a job against its media, after the path checks and before anything is
// started. A job that cannot come out right is refused: a group of more than 99 files or longer
// than 99:59 cannot become an audio CD image, and a MiniDisc holds 254 tracks at most. A job that
// may not come out right is put to the user as a question: a group longer than Nero's 80-minute
// image, a list longer than the MiniDisc holds, more title text than the disc has room for. A
// length that is unknown is never a reason to refuse or to ask.
#pragma once

#include <string>
#include <vector>

#include "platform/media_lengths.h"
#include "tracklist/media_limits.h"

namespace velutreck {

struct MediaJob {
    std::vector<std::vector<std::string>> groups;  // the files of each group, in list order
    DiscChoice disc;
    bool erase = true;
    // Every name the job will type into Simple Burner: the disc name, then the track names.
    std::vector<std::string> titles;
};

struct MediaProblems {
    std::vector<std::string> refusals;
    std::vector<std::string> questions;
    int unknownLengths = 0;  // files whose length is unknown, or was still being read
};

MediaProblems CheckMedia(const MediaJob& job, const MediaLengths& lengths);

// "Error: " and each refusal on a line of its own.
std::string RefusalMessage(const MediaProblems& problems);
// Each question, the count of unknown lengths, and "Start anyway?".
std::string QuestionMessage(const MediaProblems& problems);

// The title cells a MiniDisc's table of contents gives its names: 255 cells of 7 characters, and
// every name takes whole cells.
inline constexpr int TitleCells = 255;
inline constexpr int CharactersPerTitleCell = 7;
int TitleCellsOf(const std::vector<std::string>& titles);

}  // namespace velutreck
