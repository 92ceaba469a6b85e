// What a real Windows desktop does that a kind one does not: programs busy for a while after a
// key, a moment with no foreground window while activation changes hands, and programs that run
// as administrator, which Windows keeps a normal program from driving.
#include "base/failure.h"
#include "rehearsal/desktop/sim_desktop.h"
#include "rehearsal/desktop/sim_text.h"
#include "rehearsal/desktop/transcript_text.h"

namespace velutreck {

void SimDesktop::SetBusyAfterKey(const std::string& windowTitle, NamedKey key, std::uint32_t milliseconds) {
    busyKeys_.push_back(BusyKey{windowTitle, key, milliseconds});
}

// The program took the key and is busy with it: whatever comes next waits in its queue.
void SimDesktop::BusyAfter(TaskId task, const std::string& windowTitle, const KeyStroke& key) {
    for (const BusyKey& busy : busyKeys_) {
        if (key.key != busy.key || windowTitle != busy.windowTitle) {
            continue;
        }
        const std::int64_t until = clock_.Now() + busy.milliseconds;
        Note(Quoted(busy.windowTitle) + " is busy for " + std::to_string(busy.milliseconds) + " ms");
        busyUntil_[task] = std::max(busyUntil_[task], until);
        hung_.insert(task);
        clock_.Schedule(until, [this, task] {
            if (busyUntil_[task] <= clock_.Now() && hung_.contains(task)) {
                SetHung(task, false);
            }
        });
    }
}

// A waited injection returns once the program has processed the keys: a program busy with one of
// them is waited for, but never for longer than a hung one.
void SimDesktop::AwaitBusyProgram(const std::string& call, const KeySequence& keys) {
    if (!hung_.contains(intended_) || !busyUntil_.contains(intended_)) {
        return;
    }
    const std::int64_t until = busyUntil_[intended_];
    if (until - clock_.Now() <= HungInjectionWaitMs) {
        clock_.AdvanceTo(until);
        return;
    }
    clock_.AdvanceBy(HungInjectionWaitMs);
    Note(call + " gave up: the program is not responding");
    throw Failure(FailureKind::NotResponding, "The program has not taken the keys " + Quoted(keys.notation));
}

// Keys wait a moment for a window to come to the front before there counts as none.
void SimDesktop::AwaitForeground(const std::string& call) {
    constexpr std::uint32_t PollMs = 50;
    for (std::uint32_t waited = 0; windows_.Focus() == 0 && waited < NoForegroundWaitMs; waited += PollMs) {
        clock_.AdvanceBy(PollMs);
    }
    if (windows_.Focus() != 0) {
        Note(call + " waited for a window to come to the front");
    }
}

void SimDesktop::GiveFocusAfterGap(WindowHandle window) {
    const bool changesHands = windows_.TopLevelOf(window) != windows_.Foreground();
    windows_.GiveFocus(window);
    if (foregroundGapMs_ == 0 || !changesHands) {
        return;
    }
    windows_.ClearForeground();
    Note("No window is in front for " + std::to_string(foregroundGapMs_) + " ms");
    clock_.Schedule(clock_.Now() + foregroundGapMs_, [this, window] {
        if (windows_.Focus() == 0 && windows_.Exists(window)) {
            windows_.GiveFocus(window);
        }
    });
}

void SimDesktop::MarkRunAsAdministrator(const std::string& programPath) {
    runAsAdministrator_.insert(FoldCase(programPath));
}

bool SimDesktop::RunsAsAdministrator(const std::string& program) const {
    return runAsAdministrator_.contains(FoldCase(program));
}

// Windows refuses a post to a program above Velutreck's level, which the Windows layer reports.
void SimDesktop::RefuseIfElevated(const std::string& call, WindowHandle window) {
    const auto task = tasks_.find(TaskOf(window));
    if (task == tasks_.end() || task->second.integrity <= ownIntegrity_) {
        return;
    }
    Note(call + " refused: the program runs as administrator");
    throw Failure(FailureKind::ElevatedProgram,
                  task->second.program + " runs at a higher integrity level than Velutreck.");
}

// SendInput reports success while Windows drops the keys for a program above Velutreck's level, so
// the Windows layer reads the program's level first, through its process where Windows lets it open
// that. False when the keys would be dropped.
bool SimDesktop::KeysReach(const std::string& call, WindowHandle window) {
    const auto task = tasks_.find(TaskOf(window));
    if (task == tasks_.end()) {
        return true;
    }
    const Task& program = task->second;
    const std::optional<std::uint32_t> level =
        program.otherAccount ? std::nullopt : std::optional(static_cast<std::uint32_t>(program.integrity));
    if (RunsAbove(level, static_cast<std::uint32_t>(ownIntegrity_))) {
        RefuseIfElevated(call, window);
    }
    if (program.integrity <= ownIntegrity_) {
        return true;
    }
    Note(call + " dropped by Windows: the program runs as administrator");
    return false;
}

}  // namespace velutreck
