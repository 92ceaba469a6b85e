// Whole jobs with the default settings, run in virtual time against the stand-ins.
#include <map>

#include <gtest/gtest.h>

#include "rehearsal/desktop/standard_desktop.h"
#include "rehearsal/standins/mini_disc.h"
#include "support/sim_session.h"

namespace velutreck {
namespace {

using typical_job::A;
using typical_job::B;
using typical_job::C;

std::vector<std::string> SourcesOf(const DiscGroup& group) { return SourcesOn(MiniDisc{"", {group}}); }

TEST(TypicalJob, TwoGroupsAreErasedRecordedAndNamedInListOrder) {
    SimSession session;
    session.Load();
    session.AddTypicalList();
    ASSERT_EQ(session.ListEntries(), (std::vector<std::string>{A, B, "---Break---", C}));

    session.PressStartStop();
    ASSERT_TRUE(session.IsRunning());
    ASSERT_TRUE(session.RunUntilIdle(Hour)) << session.desktop->Transcript().Dump();

    const MiniDisc& disc = session.desktop->Disc();
    EXPECT_EQ(disc.title, "Velutreck Disc");
    ASSERT_EQ(disc.groups.size(), 2u);
    EXPECT_EQ(SourcesOf(disc.groups[0]), (std::vector<std::string>{A, B}));
    EXPECT_EQ(SourcesOf(disc.groups[1]), (std::vector<std::string>{C}));
    EXPECT_EQ(RowTitles(disc), (std::vector<std::string>{"A", "A", "B", "C", "C"}));
    EXPECT_EQ(session.form.Engine().TrackNames(), (std::vector<std::string>{"A", "A", "B", "C", "C"}));

    EXPECT_TRUE(session.ListEntries().empty());
    EXPECT_FALSE(session.desktop->Files().FileExists("C:\\~TmpVelutreck.nrg"));
    EXPECT_EQ(session.Caption(), "Velutreck");
    EXPECT_EQ(session.controls.btnStartStop.Caption(), "&Start");
    EXPECT_TRUE(session.controls.lstAudioFiles.Enabled());
    EXPECT_FALSE(session.controls.tmrMaster.Enabled());
    EXPECT_EQ(session.messageBoxes.Shown().size(), 1u);  // the checklist, and nothing else
}

TEST(TypicalJob, WithEraseOffTheOldGroupsStayTheDiscIsNamedAndTheTracksAreNot) {
    SimSession session;
    session.desktop->Disc().groups.push_back({"Old", {{"Old track", "C:\\Old.mp3", "LP2"}}});
    session.settings.WriteSetting("Velutreck", "Settings", "EraseMiniDisc", "0");
    session.Load();
    EXPECT_FALSE(session.controls.chkNameTracks.Enabled());
    session.controls.txtDiscName.SetText("Mix (2003) +%~");
    session.AddFiles({A});
    session.PressStartStop();
    ASSERT_TRUE(session.RunUntilIdle(Hour));

    const MiniDisc& disc = session.desktop->Disc();
    EXPECT_EQ(disc.title, "Mix (2003) +%~");
    ASSERT_EQ(disc.groups.size(), 2u);
    EXPECT_EQ(RowTitles(disc), (std::vector<std::string>{"Old", "Old track", "", ""}));
    // The road went 3, 4, 8: Simple Burner was started only to record and to name the disc.
    int starts = 0;
    for (const std::string& line : session.desktop->Transcript().Texts()) {
        starts += line.rfind("StartProgram", 0) == 0 ? 1 : 0;
    }
    EXPECT_EQ(starts, 2);
}

TEST(TypicalJob, LettersOnlyAndTheNameLengthShapeTheTypedNames) {
    SimSession session;
    session.settings.WriteSetting("Velutreck", "Settings", "LengthOfNames", "5");
    session.desktop->Files().AddFile("C:\\Music\\01 Track 01.mp3", "audio");
    session.desktop->Files().AddFile("C:\\Music\\Café del Mar.mp3", "audio");
    session.Load();
    session.controls.chkAutoBreak.SetValue(0);
    session.AddFiles({"C:\\Music\\01 Track 01.mp3", "C:\\Music\\Café del Mar.mp3"});
    session.PressStartStop();
    ASSERT_TRUE(session.RunUntilIdle(Hour));

    EXPECT_EQ(RowTitles(session.desktop->Disc()), (std::vector<std::string>{"Track", "Track", "Cafde"}));
}

// Every tick is one interval after the previous one returned, and a tick blocks only for the
// pauses the drivers prescribe: the engine adds no wait of its own and skips none.
TEST(TypicalJob, ADefaultJobTakesExactlyThePrescribedWaits) {
    SimSession session;
    session.Load();
    session.AddTypicalList();
    const std::int64_t start = session.Now();
    session.PressStartStop();
    ASSERT_TRUE(session.RunUntilIdle(Hour));
    const std::int64_t duration = session.Now() - start;

    // Ticks per state with GeneralShortPause 3, GeneralLongPause 30 and 30 seconds for Simple
    // Burner: a wait of L acts on tick L + 2; the polls take as long as the programs do.
    const int shortWait = 3 + 2, longWait = 30 + 2, pauseWait = 30 + 2;
    std::map<int, int> ticksIn;
    for (int state : session.TickStates()) {
        ++ticksIn[state];
    }
    const std::map<int, int> prescribed = {
        {1, 1}, {2, shortWait}, {3, shortWait}, {4, 1}, {5, pauseWait}, {6, shortWait}, {7, pauseWait},
        {8, 2 * shortWait}, {9, 2 * longWait}, {10, 2}, {11, 2 * longWait}, {13, 2}, {14, 2}, {15, 2},
        {16, 2 * pauseWait}, {17, 2}, {19, 2 * pauseWait}, {20, 2 * shortWait}, {21, 2 * shortWait},
        {22, 1}, {23, pauseWait}, {24, 1}, {25, 1}, {26, 1},
    };
    for (const auto& [state, ticks] : prescribed) {
        EXPECT_EQ(ticksIn[state], ticks) << "state " << state;
    }

    // The drivers' own pauses in milliseconds: three files added, two images written and saved,
    // two completions dismissed and Nero closed twice, two compressions set, the disc named and
    // five track names typed.
    const std::int64_t general = 3000, fixed = 500;
    const std::int64_t pauses = 3 * 4 * fixed + 2 * (2 * fixed) + 2 * (3 * fixed) + 2 * (fixed + 2 * general) +
                                2 * (fixed + general + fixed) + 2 * general + fixed + 5 * fixed;
    EXPECT_EQ(duration, session.Ticks() * SimSession::TickMs + pauses);
}

}  // namespace
}  // namespace velutreck
