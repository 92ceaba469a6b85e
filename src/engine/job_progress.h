// A job's progress on the taskbar button, for a user who is not watching the window: groups done
// plus the share of the current group's steps, green while the job runs, yellow while it waits
// longer than it should for Nero or Simple Burner, red when a check or a failure ended it; gone
// when the job ends well, and the button flashes at the end to call the user back.
#pragma once

#include <chrono>

#include "base/int16.h"
#include "platform/taskbar_button.h"

namespace velutreck {

// How long a poll for Nero's image or Simple Burner's recording may take before the job counts as
// waiting too long: the group's known playing time (a file of unknown length counts as none) and
// ten minutes more.
std::chrono::milliseconds PollPatience(std::chrono::milliseconds groupPlayingTime);

class JobProgress {
public:
    explicit JobProgress(TaskbarButton& taskbar) : taskbar_(taskbar) {}

    // The job entered a state; state 1 begins a job. At the first state of a group, groupsLeft
    // counts the groups still in the list, this one included.
    void StateEntered(Int16 state, int groupsLeft);
    // Whether the poll that runs has waited longer than its patience.
    void Overdue(bool overdue);
    bool IsOverdue() const { return overdue_; }
    // The job has ended well: the bar goes and the button flashes.
    void Finished();
    // A check or a failure ended the job: a full red bar that stays until the next Start, and the
    // button flashes.
    void Failed();
    // The user ended the job (Cancel, Stop) or it found nothing to do: the bar goes.
    void Cleared();

private:
    void Show();

    TaskbarButton& taskbar_;
    Int16 state_ = 0;
    int group_ = 0;   // the group the job is on, from 1; 0 before the first
    int groups_ = 0;  // the groups of the whole job as far as they are known
    bool overdue_ = false;
};

}  // namespace velutreck
