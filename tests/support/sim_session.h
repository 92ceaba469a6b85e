// A simulator session: frmMain on in-memory controls over the simulated desktop, with the master
// timer ticking on the virtual clock. A test builds a list, presses Start, lets the clock run and
// reads what the disc and the window show. Ticks never overlap: the next one is scheduled one
// interval after the previous one returns, and message boxes are answered by the test at once.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/frmMain.h"
#include "platform/memory/memory_settings_store.h"
#include "rehearsal/desktop/sim_cd_drives.h"
#include "rehearsal/desktop/sim_desktop.h"
#include "rehearsal/desktop/sim_shortcuts.h"
#include "rehearsal/desktop/sim_media_lengths.h"
#include "rehearsal/desktop/sim_wall_clock.h"
#include "rehearsal/standins/stand_in_options.h"
#include "support/memory_form.h"
#include "support/scripted_common_dialog.h"
#include "support/test_doubles.h"
#include "tracklist/break_marker.h"

namespace velutreck {

// The list of the typical job: [A, B, "---Break---", C], two groups.
namespace typical_job {
inline const std::string A = "C:\\Music\\A.mp3";
inline const std::string B = "C:\\Music\\B.mp3";
inline const std::string C = "C:\\Music\\C.mp3";
// The entries AddTypicalList leaves in the list.
inline const std::vector<std::string> Entries = {A, B, std::string(BreakMarker), C};
}  // namespace typical_job

inline constexpr std::int64_t Hour = 3600 * 1000;

// The source file of every track on the disc, in disc order.
std::vector<std::string> SourcesOn(const MiniDisc& disc);

class SimSession;
// The job log's lines, and the stamped ones without their stamps (seconds since Start).
std::vector<std::string> JobLogLines(const SimSession& session);
std::vector<std::string> LogEvents(const std::vector<std::string>& lines);
// Whether a line of the desktop's transcript holds the text.
bool TranscriptHas(const SimSession& session, const std::string& text);
// No program was started, opened or typed into.
bool NoProgramTouched(const SimSession& session);

class SimSession {
public:
    static constexpr std::int64_t TickMs = 1000;

    // The standard desktop: Nero, ImageDrive and Simple Burner installed, an empty audio project,
    // a few audio files. The settings store points the audio project and the temp folder at the
    // desktop's; every other setting has its default. The stand-ins take the given times.
    explicit SimSession(const StandInOptions& options = {});

    // Form_Load with the command line's items, then the rest of start-up and the items, as once the
    // window shows; the window is then idle.
    void Load(const std::vector<std::string>& commandLineItems = {});
    // Adds files through the Add dialog, as one batch chosen in the dialog.
    void AddFiles(const std::vector<std::string>& paths);
    // Two batches, the second after an automatic break: the typical job's list.
    void AddTypicalList();
    void PressStartStop();
    void RunFor(std::int64_t milliseconds);
    // Runs the clock tick by tick until done() holds; false when the limit came first.
    bool RunUntil(const std::function<bool()>& done, std::int64_t limitMs);
    bool RunUntilIdle(std::int64_t limitMs);

    bool IsRunning() const { return controls.btnStartStop.Caption() == "&Stop"; }
    std::string Caption() const { return controls.form.Caption(); }
    std::vector<std::string> ListEntries() const;
    std::int64_t Now() { return desktop->Clock().Now(); }
    int Ticks() const { return static_cast<int>(tickStates_.size()); }
    // JobState as each tick found it.
    const std::vector<int>& TickStates() const { return tickStates_; }
    // How long the longest tick blocked the window, in virtual milliseconds.
    std::int64_t LongestTickMs() const { return longestTickMs_; }

    std::unique_ptr<SimDesktop> desktop;
    MemorySettingsStore settings;
    ScriptedMessageBoxes messageBoxes;
    ScriptedCommonDialog commonDialog;
    ScriptedFolderBrowser folderBrowser;
    FakeInstanceCheck instanceCheck;
    RecordingBubbleTips bubbleTips;
    SimShortcuts shortcuts;
    MemoryForm controls;
    SimWallClock clock;
    SimMediaLengths lengths;
    SimCdDrives cdDrives;
    frmMain form;

private:
    void TimerChanged(bool enabled);
    void ScheduleTick();

    std::uint64_t timerGeneration_ = 0;
    bool ticking_ = false;
    std::vector<int> tickStates_;
    std::int64_t longestTickMs_ = 0;
};

}  // namespace velutreck
