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

TEST(PrescribedWaits, AJobLastsExactlyTheCountedWaitsPlusThePollsTheProgramsNeeded) {
    const struct {
        const char* what;
        std::vector<std::pair<std::string, std::string>> stored;
        std::vector<std::string> list;
        bool erase, nameTracks;
        JobTunings tunings;
    } cases[] = {
        {"the typical job with the default settings", {}, {A, B, Marker, C}, true, true, {}},
        {"three groups without erasing, with a fractional pause",
         {{"EraseMiniDisc", "0"}, {"GeneralShortPause", "1"}, {"GeneralLongPause", "4"}, {"SimpleBurnerPause", "10.5"}},
         {Marker, A, Marker, B, C, Marker, A}, false, true, {1, 4, "10.5"}},
        {"the typical job without track names",
         {{"NameTracks", "0"}, {"GeneralShortPause", "2"}, {"GeneralLongPause", "5"}, {"SimpleBurnerPause", "12"}},
         {A, B, Marker, C}, true, false, {2, 5, "12"}},
    };
    for (const auto& job : cases) {
        SCOPED_TRACE(job.what);
        SimSession session;
        for (const auto& [key, value] : job.stored) {
            session.settings.WriteSetting("Velutreck", "Settings", key, value);
        }
        session.Load();
        for (const std::string& entry : job.list) {
            session.controls.lstAudioFiles.Append(entry);
        }
        const JobShape shape = ShapeOfList(session.ListEntries(), job.erase, job.nameTracks);
        const std::int64_t start = session.Now();
        session.PressStartStop();
        ASSERT_TRUE(session.RunUntilIdle(Hour)) << session.desktop->Transcript().Dump();

        int pollTicks = 0;
        for (int state : session.TickStates()) {
            pollTicks += state == 12 || state == 18 ? 1 : 0;
        }
        const int extraPollTicks = pollTicks - 2 * shape.groups;
        EXPECT_GE(extraPollTicks, 0);
        EXPECT_EQ(session.Now() - start, PrescribedJobWaits(shape, job.tunings).TotalMs() + extraPollTicks * 1000);
    }
}

}  // namespace
}  // namespace velutreck
