// The checks of a job against its media at Start, after the path checks: the lengths still being
// read are waited for a few seconds, the playing times go to the job log, a job that cannot come
// out right is refused and one that may not is put to the user.
#include "base/product.h"
#include "engine/error_ignoring.h"
#include "engine/media_checks.h"
#include "engine/transfer_engine.h"
#include "tracklist/list_summary.h"
#include "tracklist/media_limits.h"
#include "tracklist/playing_time.h"
#include "tracklist/track_names.h"

namespace velutreck {

namespace {

// Long enough for a decoder to open the last files added, short enough to seem part of Start.
constexpr std::chrono::seconds LengthsWait{5};

std::string GroupLogLine(std::size_t index, const PlayingTime& time) {
    std::string line = "Group " + std::to_string(index + 1) + ": " + CountOf(time.files, "file", "files") + ", " +
                       FormatPlayingTime(time.known);
    if (time.unknown + time.reading > 0) {
        line += " (the length of " + CountOf(time.unknown + time.reading, "file", "files") + " is unknown)";
    }
    return line;
}

}  // namespace

void TransferEngine::CheckJobAgainstMedia() {
    const ListBox& list = controls_.lstAudioFiles;
    MediaJob job{ListGroups(list), ChosenDisc(controls_), controls_.chkErase.Value() != 0, {DiscName()}};
    const std::vector<std::string> files = ListFiles(list);
    services_.lengths.Read(files);
    services_.lengths.WaitFor(files, LengthsWait);

    for (std::size_t index = 0; index < job.groups.size(); ++index) {
        log_.Line(GroupLogLine(index, PlayingTimeOf(job.groups[index], services_.lengths)));
    }
    log_.Line("Summary: " + ListSummary(list, services_.lengths, job.disc));

    if (job.erase && controls_.chkNameTracks.Value() != 0) {
        const bool onlyAlpha = controls_.chkOnlyAlpha.Value() != 0;
        for (const std::vector<std::string>& group : job.groups) {
            AppendGroupNames(job.titles, group, onlyAlpha, hidden_.lengthOfNames);
        }
    }
    const MediaProblems problems = CheckMedia(job, services_.lengths);
    if (!problems.refusals.empty()) {
        const std::string message = RefusalMessage(problems);
        log_.Line("Check failed: " + message);
        ShowError(message);
        controls_.tmrMaster.SetEnabled(false);
        ToggleRunControls();
        return;
    }
    if (problems.questions.empty()) {
        return;
    }
    const std::string question = QuestionMessage(problems);
    log_.Line("Asked: " + question);
    if (services_.messageBoxes.Show(question, MessageBoxStyle::OkCancelExclamation, ProductName) == MessageBoxAnswer::Ok) {
        log_.Line("Answered OK");
        return;
    }
    log_.End("was cancelled at the question before it");
    progress_.Cleared();
    controls_.tmrMaster.SetEnabled(false);
    ToggleRunControls();
    ShowStatus("");
}

}  // namespace velutreck
