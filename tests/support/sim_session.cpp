#include "support/sim_session.h"

#include <algorithm>
#include <regex>

#include "rehearsal/desktop/standard_desktop.h"

namespace velutreck {

SimSession::SimSession(const StandInOptions& options)
    : desktop(MakeStandardDesktop(options)),
      shortcuts(desktop->Files()),
      controls(desktop->OwnWindow()),
      clock(desktop->Clock()),
      lengths(desktop->Files(), desktop->Clock(), desktop->OwnThread()),
      cdDrives(*desktop),
      form(controls.Bind(), FormServices{*desktop, desktop->Files(), messageBoxes, settings, commonDialog,
                                         folderBrowser, instanceCheck, bubbleTips, shortcuts, clock,
                                         standard_desktop::ProgramFile, lengths, desktop->Taskbar(), cdDrives,
                                         standard_desktop::ProgramFolder,
                                         standard_desktop::LogFolder}) {
    settings.WriteSetting("Velutreck", "Settings", "AudioProject", standard_desktop::AudioProject);
    settings.WriteSetting("Velutreck", "Settings", "TempFolder", standard_desktop::TempFolder);
    settings.ClearWrites();
    controls.tmrMaster.onChange = [this](bool enabled) { TimerChanged(enabled); };
    lengths.SetArrivalNotice([this] { form.LengthsArrived(); });
    controls.form.onPaintPending = [this] { desktop->OwnThread().Look(); };
    controls.form.onUnload = [this] {
        controls.tmrMaster.SetEnabled(false);
        form.Form_Unload();
    };
}

void SimSession::Load(const std::vector<std::string>& commandLineItems) {
    form.Form_Load(commandLineItems);
    form.FinishStartUp();
    form.AddWaitingItems();
}

void SimSession::AddFiles(const std::vector<std::string>& paths) {
    std::string answer;
    if (paths.size() == 1) {
        answer = paths.front();
    } else {
        // Several files come back as the folder, then each name, NUL-separated.
        const std::string folder = paths.front().substr(0, paths.front().rfind('\\'));
        answer = folder;
        for (const std::string& path : paths) {
            answer += '\0' + path.substr(path.rfind('\\') + 1);
        }
    }
    commonDialog.Script({DialogOutcome::Chosen, answer, std::nullopt});
    form.TrackListCommand_Click(TrackListCommand::Add);
}

void SimSession::AddTypicalList() {
    controls.chkAutoBreak.SetValue(0);
    AddFiles({typical_job::A, typical_job::B});
    controls.chkAutoBreak.SetValue(1);
    AddFiles({typical_job::C});
}

std::vector<std::string> SourcesOn(const MiniDisc& disc) {
    std::vector<std::string> sources;
    for (const DiscGroup& group : disc.groups) {
        for (const DiscTrack& track : group.tracks) {
            sources.push_back(track.source);
        }
    }
    return sources;
}

std::vector<std::string> JobLogLines(const SimSession& session) {
    const std::string text =
        session.desktop->Files().ReadFile(standard_desktop::LogFolder + "\\Velutreck.log").value_or("");
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = text.find("\r\n", start);
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

bool TranscriptHas(const SimSession& session, const std::string& text) {
    const std::vector<std::string> lines = session.desktop->Transcript().Texts();
    return std::any_of(lines.begin(), lines.end(),
                       [&](const std::string& line) { return line.find(text) != std::string::npos; });
}

bool NoProgramTouched(const SimSession& session) {
    for (const std::string& line : session.desktop->Transcript().Texts()) {
        if (line.rfind("StartProgram", 0) == 0 || line.rfind("ShellOpen", 0) == 0 || line.rfind("Type", 0) == 0) {
            return false;
        }
    }
    return true;
}

std::vector<std::string> LogEvents(const std::vector<std::string>& lines) {
    static const std::regex stamped(R"(^ *\d+\.\d s  (.*)$)");
    std::vector<std::string> events;
    for (const std::string& line : lines) {
        std::smatch match;
        if (std::regex_match(line, match, stamped)) {
            events.push_back(match[1]);
        }
    }
    return events;
}

void SimSession::PressStartStop() { form.btnStartStop_Click(); }

// A new enabled period starts its own chain of ticks; a tick still scheduled from an earlier
// period is dropped.
void SimSession::TimerChanged(bool enabled) {
    ++timerGeneration_;
    if (enabled && !ticking_) {
        ScheduleTick();
    }
}

void SimSession::ScheduleTick() {
    const std::uint64_t generation = timerGeneration_;
    desktop->Clock().Schedule(Now() + TickMs, [this, generation] {
        if (generation != timerGeneration_ || !controls.tmrMaster.Enabled()) {
            return;
        }
        ticking_ = true;
        tickStates_.push_back(static_cast<int>(form.Engine().JobState()));
        const std::int64_t start = Now();
        {
            const SimWindowThread::InEvent tick(desktop->OwnThread());
            form.tmrMaster_Timer();
        }
        longestTickMs_ = std::max(longestTickMs_, Now() - start);
        ticking_ = false;
        if (controls.tmrMaster.Enabled() && !controls.form.Unloaded()) {
            ScheduleTick();
        }
    });
}

void SimSession::RunFor(std::int64_t milliseconds) { desktop->Clock().AdvanceBy(milliseconds); }

bool SimSession::RunUntil(const std::function<bool()>& done, std::int64_t limitMs) {
    const std::int64_t deadline = Now() + limitMs;
    while (!done()) {
        if (Now() >= deadline) {
            return false;
        }
        desktop->Clock().AdvanceBy(TickMs);
    }
    return true;
}

bool SimSession::RunUntilIdle(std::int64_t limitMs) {
    return RunUntil([this] { return !IsRunning() || controls.form.Unloaded(); }, limitMs);
}

std::vector<std::string> SimSession::ListEntries() const {
    std::vector<std::string> entries;
    for (Int16 i = 0; i < controls.lstAudioFiles.Count(); ++i) {
        entries.push_back(controls.lstAudioFiles.Entry(i));
    }
    return entries;
}

}  // namespace velutreck
