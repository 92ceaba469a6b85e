// The waits scripts/bench-job measures a job against are the waits the engine really keeps: whole
// jobs in virtual time last exactly as long as the count says, once the polls have had the ticks
// the stand-ins needed.
#include <gtest/gtest.h>

#include "rehearsal/desktop/standard_desktop.h"
#include "rehearsal/benchmark/prescribed_waits.h"
#include "support/sim_session.h"

namespace velutreck {
namespace {

using typical_job::A;
using typical_job::B;
using typical_job::C;

const std::string Marker = "---Break---";

struct JobRun {
    std::int64_t durationMs = 0;
    int pollTicks = 0;
};

JobRun RunJob(SimSession& session) {
    const std::int64_t start = session.Now();
    session.PressStartStop();
    EXPECT_TRUE(session.RunUntilIdle(Hour)) << session.desktop->Transcript().Dump();
    JobRun run{session.Now() - start, 0};
    for (int state : session.TickStates()) {
        run.pollTicks += state == 12 || state == 18 ? 1 : 0;
    }
    return run;
}

void Store(SimSession& session, const std::string& key, const std::string& value) {
    session.settings.WriteSetting("Velutreck", "Settings", key, value);
}

TEST(PrescribedWaits, ATypicalJobWithTheDefaultSettingsLastsExactlyTheCountedWaits) {
    SimSession session;
    session.Load();
    session.AddTypicalList();
    const JobShape job = ShapeOfList(session.ListEntries(), true, true);
    const JobRun run = RunJob(session);

    const PrescribedWaits waits = PrescribedJobWaits(job, JobTunings{});
    const int extraPollTicks = run.pollTicks - 2 * job.groups;
    EXPECT_GE(extraPollTicks, 0);
    EXPECT_EQ(run.durationMs, waits.TotalMs() + extraPollTicks * 1000);
}

TEST(PrescribedWaits, WithoutEraseWithAFractionalPauseAndThreeGroupsTheCountStillHolds) {
    SimSession session;
    Store(session, "EraseMiniDisc", "0");
    Store(session, "GeneralShortPause", "1");
    Store(session, "GeneralLongPause", "4");
    Store(session, "SimpleBurnerPause", "10.5");
    session.Load();
    session.controls.chkAutoBreak.SetValue(1);
    session.AddFiles({A});
    session.controls.lstAudioFiles.Append(Marker);
    session.AddFiles({B, C});
    session.AddFiles({A});
    const JobShape job = ShapeOfList(session.ListEntries(), false, true);
    ASSERT_EQ(job.groups, 3);
    const JobRun run = RunJob(session);

    const PrescribedWaits waits = PrescribedJobWaits(job, JobTunings{1, 4, "10.5"});
    EXPECT_EQ(run.durationMs, waits.TotalMs() + (run.pollTicks - 2 * job.groups) * 1000);
    // Ten and a half seconds for Simple Burner wait like ten.
    EXPECT_EQ(PrescribedJobWaits(job, JobTunings{1, 4, "10"}).ticks, waits.ticks);
}

TEST(PrescribedWaits, WithTrackNamesOffOnlyTheDiscNameCostsAPause) {
    SimSession session;
    Store(session, "NameTracks", "0");
    Store(session, "GeneralShortPause", "2");
    Store(session, "GeneralLongPause", "5");
    Store(session, "SimpleBurnerPause", "12");
    session.Load();
    session.AddTypicalList();
    const JobShape job = ShapeOfList(session.ListEntries(), true, false);
    const JobRun run = RunJob(session);

    const PrescribedWaits waits = PrescribedJobWaits(job, JobTunings{2, 5, "12"});
    EXPECT_EQ(run.durationMs, waits.TotalMs() + (run.pollTicks - 2 * job.groups) * 1000);
    JobShape named = job;
    named.nameTracks = true;
    EXPECT_EQ(PrescribedJobWaits(named, JobTunings{2, 5, "12"}).driverPausesMs - waits.driverPausesMs, 5 * 500);
}

}  // namespace
}  // namespace velutreck
