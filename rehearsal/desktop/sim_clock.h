// Virtual time for the simulated desktop. Nothing here reads the wall clock: time moves only when
// someone advances it, and the actions that fall due on the way run in time order, so a job that
// takes an hour of waits runs in milliseconds and the same way every time.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <utility>

namespace velutreck {

class SimClock {
public:
    using Action = std::function<void()>;

    SimClock() = default;
    SimClock(const SimClock&) = delete;
    SimClock& operator=(const SimClock&) = delete;

    // Milliseconds since the simulation started.
    std::int64_t Now() const { return now_; }

    // Runs the action once the clock reaches atMs; a time already past counts as now. Actions due
    // at the same time run in the order they were scheduled.
    void Schedule(std::int64_t atMs, Action action);

    // Runs every action due up to the target, setting the time to each action's own time while it
    // runs. An action may advance the clock itself and may schedule more; time never goes back.
    void AdvanceTo(std::int64_t targetMs);
    void AdvanceBy(std::int64_t milliseconds);

    // Called whenever time is about to move on or an action is about to run: the desktop hands
    // queued input to the programs there, as a message loop would between events.
    void SetPump(Action pump) { pump_ = std::move(pump); }

    std::size_t PendingActions() const { return actions_.size(); }

private:
    std::int64_t now_ = 0;
    std::uint64_t nextOrder_ = 0;
    std::map<std::pair<std::int64_t, std::uint64_t>, Action> actions_;
    Action pump_;
};

}  // namespace velutreck
