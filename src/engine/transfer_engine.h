// The transfer engine: run control (Start and Stop, locking the window, the checks before a job,
// the temporary image) and the state machine that runs one job tick by tick, group by group.
// It lives as long as the main window and owns the job fields JobState, WaitTicks and TrackNames.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "base/failure.h"
#include "base/int16.h"
#include "drivers/driver_context.h"
#include "engine/hidden_values.h"
#include "engine/job_log.h"
#include "engine/job_progress.h"
#include "engine/main_window_controls.h"
#include "engine/recording_checks.h"
#include "engine/setting_value.h"
#include "platform/cd_drives.h"
#include "platform/desktop.h"
#include "platform/dialogs.h"
#include "platform/file_system.h"
#include "platform/media_lengths.h"
#include "platform/taskbar_button.h"
#include "platform/wall_clock.h"

namespace velutreck {

struct EngineServices {
    Desktop& desktop;
    FileSystem& files;
    MessageBoxes& messageBoxes;
    const WallClock& clock;
    MediaLengths& lengths;
    TaskbarButton& taskbar;
    CdDrives& cdDrives;
    std::string programFolder;  // the folder of Velutreck's program file, for the empty image
    std::string logFolder;      // where the job log is kept; empty for none
    // Called when the job puts files back into the list, so that the window's summary shows them
    // while the message that says why is open.
    std::function<void()> listRefilled;
    // Called when the job has changed a setting (the temp folder the user let it make), so that the
    // setting is saved at once, as on every Start.
    std::function<void()> settingsChanged;
};

class TransferEngine : private MainWindowView {
public:
    TransferEngine(MainWindowControls& controls, HiddenValues& hidden, EngineServices services);

    // Run control.
    // What Start/Stop does after the settings are saved; a job that starts logs the settings given.
    void StartOrStop(const std::vector<SettingValue>& settings);
    void ToggleRunControls();
    void CheckPaths();
    // The job against what a CD image and the MiniDisc hold; refused or cancelled, the timer stops.
    void CheckJobAgainstMedia();
    // False when the temporary image could not be deleted: the window is then unloading.
    bool DeleteTempImage();
    void StripLeadingBreaks();

    // One tick of the master timer: at most one step of the job.
    void tmrMaster_Timer();

    // Whether a job runs: Start/Stop then reads "&Stop" and the track list is locked.
    bool IsRunning() const;
    Int16 JobState() const { return jobState_; }
    Int16 WaitTicks() const { return waitTicks_; }
    const std::vector<std::string>& TrackNames() const override { return trackNames_; }

private:
    enum class Wait { Short, Long, Pause };

    void RunState();
    // Runs a driver operation in the tick's error-ignoring mode and logs what it was given and
    // how it ended.
    // Ends the job (throws RefusedProgram) for a failure that leaves Windows not letting Velutreck
    // drive the program. Returns whether the operation succeeded.
    template <typename Operation>
    bool Operate(const std::string& what, Operation&& operation);
    void EndIfRefused(const std::string& what, const Failure& failure);
    void EndRefused(const std::string& message);
    // Ends the job as a refused one ends: the message, the window idle, the taskbar button red.
    void EndWithError(const std::string& message, const std::string& how);
    // The checks before a group is recorded. False when the check stopped the job: the group's
    // files are then back at the top of the list.
    bool ImageChecked();
    bool VirtualCdChecked();
    void StopByCheck(const std::string& message, const std::string& check);
    void GiveBackGroup();
    std::vector<GroupFile> GroupFiles() const;
    // The job's last lines: what was recorded and what was checked.
    void LogSummary();
    void ReadBackDiscName();
    // Hands one file to Nero; whether Nero has it.
    bool HandOver(const std::string& path);
    // Polls only show in the log when their answer changes, and once a minute while it does not.
    template <typename Poll>
    bool Polled(const std::string& what, Poll&& poll);
    std::vector<std::string> JobDescription(const std::vector<SettingValue>& settings) const;
    // Logs the step the state begins and shows it on the taskbar button.
    void StateEntered();
    void RunChecklist();
    // A check that failed before any program was touched: its message, then the window idle.
    void RefuseByCheck(const std::string& message);
    void EndBeforeStart();
    // Asks whether to use Velutreck's own temp folder instead; refuses the job when it cannot be.
    void OfferOwnTempFolder(const std::string& tempFolder);
    void TakeNextGroup();
    void FinishGroup();
    template <typename Action>
    // Counts the wait's ticks; once it is over, shows the state's step if it has one and acts.
    void AfterWait(Wait wait, Action&& action);
    bool WaitIsOver(Wait wait) const;
    void ShowStatus(const std::string& text);
    void ResetWaitTicks() { waitTicks_ = 0; }
    void CountWaitTick() { waitTicks_ = waitTicks_ + 1; }
    void AdvanceJobState() { jobState_ = jobState_ + 1; }
    void EndJob();
    void ShowError(const std::string& text);

    // What the drivers read of the window.
    std::string AudioProject() const override;
    std::string TempFolder() const override;
    std::string ImageDrive() const override;
    std::string SimpleBurner() const override;
    std::string DiscName() const override;
    Int16 Compression() const override;
    Int16 GeneralShortPause() const override;
    Int16 GeneralLongPause() const override;
    std::string ProgramFolder() const override;
    WindowHandle OwnerWindow() const override;

    MainWindowControls& controls_;
    HiddenValues& hidden_;
    EngineServices services_;
    DriverContext drivers_;
    Int16 jobState_ = 0;
    Int16 waitTicks_ = 0;
    std::vector<std::string> trackNames_;
    bool eraseDone_ = false;  // this job's erase was asked for and confirmed without a failure
    // The group being recorded: its number in the job and the files Nero was given, in list order.
    int groupNumber_ = 0;
    std::vector<std::string> groupFiles_;
    std::optional<std::string> virtualDrive_;  // the CD drive that showed this job's groups
    struct Tally {
        int groups = 0;
        int tracks = 0;
        int imagesChecked = 0;
        int imagesNotChecked = 0;
        int cdsChecked = 0;
        std::string discName = "disc name not read back";
    };
    Tally tally_;
    JobLog log_;
    int unchangedPolls_ = 0;
    std::int64_t pollStartMs_ = 0;
    // The known playing time of the files handed to Nero, which the polls measure their patience by.
    std::chrono::milliseconds groupPlayingTime_{0};
    JobProgress progress_;
};

}  // namespace velutreck
