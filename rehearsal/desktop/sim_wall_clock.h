// The wall clock of the simulated desktop: its virtual time, on a day that starts at 20:00.
#pragma once

#include "rehearsal/desktop/sim_clock.h"
#include "platform/wall_clock.h"

namespace velutreck {

class SimWallClock : public WallClock {
public:
    explicit SimWallClock(const SimClock& clock) : clock_(clock) {}

    std::int64_t ElapsedMs() const override { return clock_.Now(); }
    std::string LocalDateTime() const override;

private:
    const SimClock& clock_;
};

}  // namespace velutreck
