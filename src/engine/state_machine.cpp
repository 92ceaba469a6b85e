// The transfer state machine: each master-timer tick performs at most one step of the job, chosen
// by JobState. Most steps first wait a number of ticks, comparing before counting. Every statement
// runs in the error-ignoring mode: a failing driver operation ends at its failing step and the
// tick carries on; a condition that fails to evaluate counts as met.
#include "base/file_in_folder.h"
#include "base/product.h"
#include "drivers/temp_image.h"
#include "drivers/modNeroBurningRom.h"
#include "drivers/modNeroImageDrive.h"
#include "drivers/modNetMDSimpleBurner.h"
#include "engine/error_ignoring.h"
#include "engine/job_steps.h"
#include "engine/pause_seconds.h"
#include "engine/refused_program.h"
#include "engine/transfer_engine.h"
#include "tracklist/group_walk.h"
#include "tracklist/media_limits.h"
#include "tracklist/playing_time.h"
#include "tracklist/track_names.h"

namespace velutreck {

namespace {

const std::string ChecklistText =
    "Before continuing, please...\r\n"
    "\r\n"
    "- Connect your NetMD unit and load a MiniDisc\r\n"
    "- Set Nero to write to ImageDrive (not your CD-ROM or DVD burner)\r\n"
    "- Close Nero, ImageDrive, and Simple Burner\r\n"
    "- Remove all audio CD's from your CD-ROM and DVD drives\r\n"
    "\r\n"
    "Don't use your keyboard and mouse while Velutreck is controlling other programs!";

}  // namespace

void TransferEngine::tmrMaster_Timer() {
    if (jobState_ < 1 || jobState_ > LastState) {
        return;
    }
    const Int16 before = jobState_;
    try {
        RunState();
    } catch (const RefusedProgram& refused) {
        return EndRefused(refused.message);
    }
    if (jobState_ != before) {
        StateEntered();
    }
}

// A job that has ended (by a check, say) has no step to show, whatever JobState holds.
void TransferEngine::StateEntered() {
    if (!log_.InJob()) {
        return;
    }
    log_.Line("State " + std::to_string(jobState_.Value()) + ", " + std::string(StepOf(jobState_).name));
    int groupsLeft = 0;
    Attempt([&] { groupsLeft = static_cast<int>(ListGroups(controls_.lstAudioFiles).size()); });
    progress_.StateEntered(jobState_, groupsLeft);
}

template <typename Operation>
bool TransferEngine::Operate(const std::string& what, Operation&& operation) {
    try {
        operation(drivers_);
        log_.Line(what + ": ok");
        return true;
    } catch (const Failure& failure) {
        EndIfRefused(what, failure);
        if (failure.Kind() == FailureKind::NoWindow) {
            // Simple Burner reads the disc before it shows its window: the job expects this.
            log_.Line(what + ": started; its window is not shown yet");
            return true;
        }
        // Ignored: the job carries on as if the operation had completed.
        log_.Line(what + ": failed, ignored: " + failure.what());
        return false;
    }
}

void TransferEngine::EndIfRefused(const std::string& what, const Failure& failure) {
    if (IsRefusedProgram(failure)) {
        log_.Line(what + ": failed: " + failure.what());
        throw RefusedProgram{RefusedProgramMessage(what, failure)};
    }
}

template <typename Poll>
bool TransferEngine::Polled(const std::string& what, Poll&& poll) {
    constexpr int PollsPerLogLine = 60;
    if (unchangedPolls_ == 0) {
        pollStartMs_ = services_.clock.ElapsedMs();
    }
    std::string answer;
    const bool met = ConditionMet([&] {
        try {
            const bool found = poll(drivers_) != 0;
            answer = found ? "found" : "not yet";
            return found;
        } catch (const Failure& failure) {
            EndIfRefused(what, failure);
            answer = std::string("failed, taken as found: ") + failure.what();
            throw;
        }
    });
    if (met || unchangedPolls_ % PollsPerLogLine == 0) {
        log_.Line(what + ": " + answer + (unchangedPolls_ > 0 ? " (poll " + std::to_string(unchangedPolls_ + 1) + ")" : ""));
    }
    unchangedPolls_ = met ? 0 : unchangedPolls_ + 1;
    const std::chrono::milliseconds waited(services_.clock.ElapsedMs() - pollStartMs_);
    const bool overdue = !met && waited > PollPatience(groupPlayingTime_);
    if (overdue && !progress_.IsOverdue()) {
        log_.Line(what + ": not yet after " + FormatPlayingTime(waited) + ", longer than the group's known playing time (" +
                  FormatPlayingTime(groupPlayingTime_) + ") and 10 minutes; still waiting");
    }
    progress_.Overdue(overdue);
    return met;
}

// One case per row of the state table: the wait and the action; the step each state shows in the
// caption comes from the steps table (StepOf).
void TransferEngine::RunState() {
    const auto run = [this](const std::string& what, auto operation) { Operate(what, operation); };
    const auto emptyImage = [this] { return "ImageDriveEject '" + FileInFolder(ProgramFolder(), "Empty.nrg") + "'"; };
    const auto tempImage = [this] { return TempImagePath(TempFolder()); };
    const auto advance = [this] { AdvanceJobState(); };
    const auto status = [this] { Attempt([&] { ShowStatus(std::string(StepOf(jobState_).name)); }); };

    switch (jobState_.Value()) {
    case 1:
        return RunChecklist();
    case 2:
        return AfterWait(Wait::Short, [&] { run(emptyImage(), ImageDriveEject); advance(); });
    case 3:
        return AfterWait(Wait::Short, [&] {
            bool deleted = true;
            Attempt([&] { deleted = DeleteTempImage(); });
            if (deleted) {
                advance();
            }
        });
    case 4:
        if (ConditionMet([&] { return controls_.chkErase.Value() != 0; })) {
            status();
            run("SimpleBurnerStart " + SimpleBurner(), SimpleBurnerStart);
            advance();
        } else {
            jobState_ = 8;
        }
        return;
    case 5:
        return AfterWait(Wait::Pause, [&] { eraseDone_ = Operate("SimpleBurnerClickAllErase", SimpleBurnerClickAllErase); advance(); });
    case 6:
        return AfterWait(Wait::Short, [&] { eraseDone_ = Operate("SimpleBurnerConfirmErase", SimpleBurnerConfirmErase) && eraseDone_; advance(); });
    case 7:
        return AfterWait(Wait::Pause, [&] { run("SimpleBurnerClose", SimpleBurnerClose); advance(); });
    case 8:
        return AfterWait(Wait::Short, [&] { run("NeroStart " + AudioProject(), NeroStart); advance(); });
    case 9:
        return AfterWait(Wait::Long, [&] { TakeNextGroup(); advance(); });
    case 10:
        status();
        run("NeroWriteImage", NeroWriteImage);
        return advance();
    case 11:
        return AfterWait(Wait::Long, [&] { run("NeroSaveImageFile " + tempImage(), NeroSaveImageFile); advance(); });
    case 12:
        if (Polled("NeroBurnCompleted", NeroBurnCompleted)) {
            advance();
        }
        return;
    case 13:
        status();
        run("NeroDismissCompletion", NeroDismissCompletion);
        run("NeroClose", NeroClose);
        return advance();
    case 14:
        status();
        if (!ImageChecked()) {
            return;
        }
        run("ImageDriveLoad " + tempImage(), ImageDriveLoad);
        return advance();
    case 15:
        if (!VirtualCdChecked()) {
            return;
        }
        status();
        run("SimpleBurnerStart " + SimpleBurner(), SimpleBurnerStart);
        return advance();
    case 16:
        return AfterWait(Wait::Pause, [&] { run(std::string("SimpleBurnerSetCompression ") + (Compression() == 1 ? "LP4" : "LP2"), SimpleBurnerSetCompression); advance(); });
    case 17:
        run("SimpleBurnerStartRecording", SimpleBurnerStartRecording);
        return advance();
    case 18:
        if (Polled("SimpleBurnerRecordingComplete", SimpleBurnerRecordingComplete)) {
            ++tally_.groups;
            tally_.tracks += static_cast<int>(groupFiles_.size());
            advance();
        }
        return;
    case 19:
        return AfterWait(Wait::Pause, [&] { run("SimpleBurnerClose", SimpleBurnerClose); advance(); });
    case 20:
        return AfterWait(Wait::Short, [&] { run(emptyImage(), ImageDriveEject); advance(); });
    case 21:
        return AfterWait(Wait::Short, [&] { FinishGroup(); });
    case 22:
        status();
        run("SimpleBurnerStart " + SimpleBurner(), SimpleBurnerStart);
        return advance();
    case 23:
        return AfterWait(Wait::Pause, [&] {
            if (Operate("SimpleBurnerNameDisc " + DiscName(), SimpleBurnerNameDisc)) {
                ReadBackDiscName();
            }
            advance();
        });
    case 24:
        // Track names meet their rows only on a disc this job erased.
        if (ConditionMet([&] { return controls_.chkErase.Value() != 0 && controls_.chkNameTracks.Value() != 0; })) {
            if (eraseDone_) {
                run("SimpleBurnerNameTracks (" + std::to_string(trackNames_.size()) + " names)", SimpleBurnerNameTracks);
            } else {
                log_.Line("SimpleBurnerNameTracks left out: the erase at the start of this job failed, so the disc "
                          "may still hold its old tracks and the names would land on the wrong rows");
            }
            advance();
        } else {
            jobState_ = 25;
        }
        return;
    case 25:
        status();
        run("SimpleBurnerClose", SimpleBurnerClose);
        return advance();
    case 26:
        return EndJob();
    }
}

template <typename Action>
void TransferEngine::AfterWait(Wait wait, Action&& action) {
    if (!ConditionMet([&] { return WaitIsOver(wait); })) {
        Attempt([&] { CountWaitTick(); });
        return;
    }
    if (const JobStep step = StepOf(jobState_); step.shown) {
        Attempt([&] { ShowStatus(std::string(step.name)); });
    }
    ResetWaitTicks();
    action();
}

bool TransferEngine::WaitIsOver(Wait wait) const {
    switch (wait) {
    case Wait::Short:
        return waitTicks_ > hidden_.generalShortPause;
    case Wait::Long:
        return waitTicks_ > hidden_.generalLongPause;
    case Wait::Pause:
        return PauseSeconds(controls_.txtPause.Text()) < static_cast<int>(waitTicks_);
    }
    return true;
}

void TransferEngine::RunChecklist() {
    Attempt([&] { ShowStatus(std::string(StepOf(jobState_).name)); });
    MessageBoxAnswer answer = MessageBoxAnswer::Cancel;
    Attempt([&] { answer = services_.messageBoxes.Show(ChecklistText, MessageBoxStyle::OkCancelInformation, ProductName); });
    if (answer == MessageBoxAnswer::Cancel) {
        log_.End("was cancelled at the checklist");
        progress_.Cleared();
        Attempt([&] { controls_.tmrMaster.SetEnabled(false); });
        Attempt([&] { ToggleRunControls(); });
        Attempt([&] { ShowStatus(""); });
        return;
    }
    Attempt([&] { StripLeadingBreaks(); });
    if (ConditionMet([&] { return controls_.lstAudioFiles.Count() == 0; })) {
        // Nothing to record: the caption keeps "Starting".
        log_.End("found no file to record");
        progress_.Cleared();
        Attempt([&] { controls_.tmrMaster.SetEnabled(false); });
        Attempt([&] { ToggleRunControls(); });
        return;
    }
    Attempt([&] { CheckPaths(); });
    if (ConditionMet([&] { return controls_.tmrMaster.Enabled(); })) {
        Attempt([&] { CheckJobAgainstMedia(); });
    }
    if (log_.InJob() && !ConditionMet([&] { return controls_.tmrMaster.Enabled(); })) {
        log_.End("was ended by the checks before it");
        progress_.Failed();
    }
    AdvanceJobState();
}

// Takes the group at the top of the list and hands its files to Nero from the last to the first:
// Nero puts each added file above the one added before, so they end in list order. A file leaves
// the list only once Nero has taken it. The list is the only record of the job, so the hand-over
// stops at the first file Nero did not take (Nero not open yet, its window not in front): that
// file and those above it stay for the next group or the next Start. Only the files handed over
// get their names, so that the names typed at the end meet the tracks on the disc. The marker
// behind the group stays.
void TransferEngine::TakeNextGroup() {
    ListBox& list = controls_.lstAudioFiles;
    std::vector<std::string> group;
    Attempt([&] {
        for (Int16 index = 0, last = GroupLastIndex(list); index <= last; ++index) {
            group.push_back(list.Entry(index));
        }
    });
    std::size_t firstHandedOver = group.size();
    while (firstHandedOver > 0) {
        const std::size_t index = firstHandedOver - 1;
        if (!HandOver(group[index])) {
            break;
        }
        Attempt([&] { list.Remove(static_cast<long long>(index)); });
        firstHandedOver = index;
    }
    const std::vector<std::string> handedOver(group.begin() + static_cast<std::ptrdiff_t>(firstHandedOver), group.end());
    ++groupNumber_;
    groupFiles_ = handedOver;
    Attempt([&] { groupPlayingTime_ = PlayingTimeOf(handedOver, services_.lengths).known; });
    Attempt([&] {
        AppendGroupNames(trackNames_, handedOver, controls_.chkOnlyAlpha.Value() != 0, hidden_.lengthOfNames);
    });
}

// Nero has the file once its Enter was delivered, even when Nero was then too busy to answer: a
// file kept in the list after that would be recorded twice and every later name land a row off.
bool TransferEngine::HandOver(const std::string& path) {
    const std::string what = "NeroAddFile " + path;
    try {
        NeroAddFile(drivers_, path);
        log_.Line(what + ": ok");
        return true;
    } catch (const Failure& failure) {
        EndIfRefused(what, failure);
        if (failure.Kind() == FailureKind::Unanswered) {
            log_.Line(what + ": taken by Nero, which did not answer in time: " + failure.what());
            return true;
        }
        log_.Line(what + ": failed, ignored: " + failure.what());
        return false;
    }
}

void TransferEngine::FinishGroup() {
    bool deleted = true;
    Attempt([&] { deleted = DeleteTempImage(); });
    if (!deleted) {
        return;
    }
    Attempt([&] { StripLeadingBreaks(); });
    if (ConditionMet([&] { return controls_.lstAudioFiles.Count() == 0; })) {
        AdvanceJobState();
    } else {
        jobState_ = 8;
    }
}

// As Stop does, but with the reason told: the list keeps what Nero was not given.
void TransferEngine::EndRefused(const std::string& message) {
    EndWithError(message, "was ended in state " + std::to_string(jobState_.Value()) +
                              ": Windows does not let Velutreck drive the program");
}

void TransferEngine::EndJob() {
    LogSummary();
    log_.End("is complete");
    progress_.Finished();
    Attempt([&] { controls_.tmrMaster.SetEnabled(false); });
    Attempt([&] { ToggleRunControls(); });
    Attempt([&] { ShowStatus(""); });
}

}  // namespace velutreck
