#include "engine/job_progress.h"

#include <algorithm>

#include "engine/job_steps.h"

namespace velutreck {

namespace {

constexpr std::uint64_t GroupSteps = LastGroupState - FirstGroupState + 1;

bool InGroup(Int16 state) { return state >= FirstGroupState && state <= LastGroupState; }

}  // namespace

std::chrono::milliseconds PollPatience(std::chrono::milliseconds groupPlayingTime) {
    return groupPlayingTime + std::chrono::minutes(10);
}

void JobProgress::StateEntered(Int16 state, int groupsLeft) {
    if (state == 1) {
        group_ = 0;
        groups_ = 0;
    }
    if (state == FirstGroupState) {
        // Files that Nero did not take stay in the list and come round as a group of their own, so
        // the count follows the list rather than what it held at Start.
        ++group_;
        groups_ = group_ - 1 + std::max(groupsLeft, 1);
    }
    state_ = state;
    overdue_ = false;
    Show();
}

void JobProgress::Overdue(bool overdue) {
    if (overdue != overdue_) {
        overdue_ = overdue;
        Show();
    }
}

void JobProgress::Show() {
    std::uint64_t completed = 0;
    const std::uint64_t total = static_cast<std::uint64_t>(std::max(groups_, 1)) * GroupSteps;
    if (InGroup(state_)) {
        completed = static_cast<std::uint64_t>(group_ - 1) * GroupSteps +
                    static_cast<std::uint64_t>(state_.Value() - FirstGroupState);
    } else if (state_ > LastGroupState) {
        completed = total;
    }
    taskbar_.ShowProgress(overdue_ ? TaskbarProgress::Paused : TaskbarProgress::Normal, completed, total);
    const std::string step(StepOf(state_).name);
    taskbar_.ShowTooltip(InGroup(state_) ? "Group " + std::to_string(group_) + " of " + std::to_string(groups_) + ": " + step
                                         : step);
}

void JobProgress::Finished() {
    Cleared();
    taskbar_.Flash();
}

void JobProgress::Failed() {
    // Red over the whole button: a job ended by a check at Start has no progress to colour.
    taskbar_.ShowProgress(TaskbarProgress::Error, 1, 1);
    taskbar_.ShowTooltip("");
    taskbar_.Flash();
}

void JobProgress::Cleared() {
    taskbar_.ShowProgress(TaskbarProgress::None, 0, 0);
    taskbar_.ShowTooltip("");
}

}  // namespace velutreck
