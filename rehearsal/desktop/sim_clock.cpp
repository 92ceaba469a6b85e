#include "rehearsal/desktop/sim_clock.h"

#include <stdexcept>

namespace velutreck {

void SimClock::Schedule(std::int64_t atMs, Action action) {
    const std::int64_t at = atMs < now_ ? now_ : atMs;
    actions_.emplace(std::make_pair(at, nextOrder_++), std::move(action));
}

void SimClock::AdvanceTo(std::int64_t targetMs) {
    for (;;) {
        if (pump_) {
            pump_();
        }
        // Looked up afresh each time: the last action may have run a nested advance or added
        // actions of its own.
        const auto next = actions_.begin();
        if (next == actions_.end() || next->first.first > targetMs) {
            break;
        }
        Action action = std::move(next->second);
        if (next->first.first > now_) {
            now_ = next->first.first;
        }
        actions_.erase(next);
        action();
    }
    if (targetMs > now_) {
        now_ = targetMs;
    }
}

void SimClock::AdvanceBy(std::int64_t milliseconds) {
    if (milliseconds < 0) {
        throw std::invalid_argument("The simulated clock cannot go back");
    }
    AdvanceTo(now_ + milliseconds);
}

}  // namespace velutreck
