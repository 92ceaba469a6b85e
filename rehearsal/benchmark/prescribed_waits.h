// The waits a whole job prescribes, counted the way the transfer engine counts them: every tick
// comes one second after the previous one returned, a wait of limit L acts on its (L + 2)-th tick,
// and the drivers block for their fixed and GeneralShortPause pauses. The two polls are counted at
// their shortest, one tick each. A job that takes less than this skipped a wait; what it takes
// beyond it is the cost of the program and of the programs it drives (scripts/bench-job).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace velutreck {

struct JobShape {
    int groups = 0;
    int files = 0;
    bool erase = true;
    bool nameTracks = true;
};

struct JobTunings {
    int generalShortPause = 3;
    int generalLongPause = 30;
    std::string simpleBurnerPause = "30";  // the text of txtPause
};

struct PrescribedWaits {
    int ticks = 0;
    std::int64_t driverPausesMs = 0;

    std::int64_t TotalMs() const { return ticks * std::int64_t{1000} + driverPausesMs; }
};

// The groups and files of a track list, break markers in any number anywhere.
JobShape ShapeOfList(const std::vector<std::string>& entries, bool erase, bool nameTracks);

PrescribedWaits PrescribedJobWaits(const JobShape& job, const JobTunings& tunings);

}  // namespace velutreck
