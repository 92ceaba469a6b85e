#include "rehearsal/benchmark/prescribed_waits.h"

#include <cmath>

#include "base/failure.h"
#include "engine/pause_seconds.h"
#include "tracklist/break_marker.h"

namespace velutreck {

namespace {

constexpr int FixedPauseMs = 500;

// A waiting state counts while the limit is not below its count, then acts on the next tick.
int TicksOfWait(double limit) {
    const int counted = limit < 0 ? 0 : static_cast<int>(std::floor(limit)) + 1;
    return counted + 1;
}

// A txtPause that is no number makes the state act at once.
int TicksOfPause(const std::string& text) {
    try {
        return TicksOfWait(PauseSeconds(text));
    } catch (const Failure&) {
        return 1;
    }
}

}  // namespace

JobShape ShapeOfList(const std::vector<std::string>& entries, bool erase, bool nameTracks) {
    JobShape job{.groups = 0, .files = 0, .erase = erase, .nameTracks = nameTracks};
    bool inGroup = false;
    for (const std::string& entry : entries) {
        const bool marker = IsBreakMarker(entry);
        if (!marker) {
            ++job.files;
            job.groups += inGroup ? 0 : 1;
        }
        inGroup = !marker;
    }
    return job;
}

PrescribedWaits PrescribedJobWaits(const JobShape& job, const JobTunings& tunings) {
    const int shortWait = TicksOfWait(tunings.generalShortPause);
    const int longWait = TicksOfWait(tunings.generalLongPause);
    const int pauseWait = TicksOfPause(tunings.simpleBurnerPause);
    const std::int64_t generalMs = tunings.generalShortPause * std::int64_t{1000};

    PrescribedWaits waits;
    // Checklist, ejecting the image, deleting a leftover one, and the erase decision.
    waits.ticks = 1 + 2 * shortWait + 1;
    if (job.erase) {
        // Erasing, confirming, closing Simple Burner.
        waits.ticks += pauseWait + shortWait + pauseWait;
    }
    // States 8 to 21 for each group: the polls of 12 and 18 and the five states without a wait
    // take one tick each.
    waits.ticks += job.groups * (3 * shortWait + 2 * longWait + 2 * pauseWait + 7);
    // Starting Simple Burner, naming, closing, the end.
    waits.ticks += 1 + pauseWait + 1 + 1 + 1;

    // Each file: four half seconds in Nero. Each group: writing (two), the image's name (three),
    // the completion (one and two general pauses), closing Nero (two and one general pause) and
    // the compression (one general pause).
    waits.driverPausesMs = job.files * 4 * FixedPauseMs;
    waits.driverPausesMs += job.groups * (8 * FixedPauseMs + 4 * generalMs);
    // The disc name, and half a second after each track name when they are typed.
    waits.driverPausesMs += FixedPauseMs;
    if (job.erase && job.nameTracks) {
        waits.driverPausesMs += (job.files + job.groups) * FixedPauseMs;
    }
    return waits;
}

}  // namespace velutreck
