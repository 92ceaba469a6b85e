// Whole jobs on a desktop that is not kind: slow programs, prompts that open late, a refused
// foreground, windows that take the focus, a hung program, a store that refuses writes, files
// that have gone. Whatever happens, the list keeps every file that is not on the disc, no key
// reaches a window it was not meant for, the disc is right or visibly unfinished, and Stop ends
// the job.
#include <algorithm>

#include <gtest/gtest.h>

#include "rehearsal/desktop/standard_desktop.h"
#include "rehearsal/standins/image_drive_stand_in.h"
#include "rehearsal/standins/mini_disc.h"
#include "rehearsal/standins/nero_stand_in.h"
#include "support/sim_session.h"
#include "system/typical_job_done.h"
#include "tracklist/break_marker.h"
#include "tracklist/track_names.h"

namespace velutreck {
namespace {

using typical_job::A;
using typical_job::B;
using typical_job::C;
using Lines = std::vector<std::string>;

constexpr std::int64_t LongPauseMs = 30'000;  // GeneralLongPause's default

std::string NameOf(const std::string& path) { return MakeTrackName(path, true, 12); }

Lines Sorted(Lines lines) {
    std::sort(lines.begin(), lines.end());
    return lines;
}

// What a user can check after a job on a harsh desktop: every listed file is on the disc or still
// in the list, each row carries its own track's name or none yet, and every track has the mode
// chosen (LP4 by default).
void ExpectNothingLostNorSilentlyWrong(const SimSession& session, const Lines& listed) {
    const MiniDisc& disc = session.desktop->Disc();
    Lines accounted = SourcesOn(disc);
    for (const std::string& entry : session.ListEntries()) {
        if (!IsBreakMarker(entry)) {
            accounted.push_back(entry);
        }
    }
    Lines files;
    std::copy_if(listed.begin(), listed.end(), std::back_inserter(files),
                 [](const std::string& entry) { return !IsBreakMarker(entry); });
    EXPECT_EQ(Sorted(accounted), Sorted(files));
    for (const TrackListRow& row : TrackListRows(disc)) {
        const DiscGroup& group = disc.groups[row.group];
        const std::string& source = group.tracks[row.track.value_or(0)].source;
        EXPECT_TRUE(row.title.empty() || row.title == NameOf(source)) << "row \"" << row.title << "\" of " << source;
    }
    for (const std::string& source : SourcesOn(disc)) {
        for (const DiscGroup& group : disc.groups) {
            for (const DiscTrack& track : group.tracks) {
                EXPECT_EQ(track.mode, "LP4") << source;
            }
        }
    }
}

TEST(HarshDesktop, ANeroSlowerThanTheLongWaitKeepsTheListUntilStopAndRecordsItOnceItIsQuick) {
    StandInOptions slow;
    slow.neroLoadMs = 40'000;  // longer than GeneralLongPause
    SimSession session(slow);
    session.Load();
    session.AddTypicalList();
    session.PressStartStop();
    ASSERT_FALSE(session.RunUntilIdle(10 * 60'000));

    // Nero took no file, so every entry is still there; the job waits where the caption says.
    EXPECT_EQ(session.ListEntries(), typical_job::Entries);
    EXPECT_EQ(session.Caption(), "Writing Nero Image - Velutreck");
    EXPECT_TRUE(session.form.Engine().TrackNames().empty());
    session.PressStartStop();
    EXPECT_FALSE(session.IsRunning());
    EXPECT_EQ(session.ListEntries(), typical_job::Entries);

    // The second time Nero opens quickly, as programs do once their files are cached.
    session.desktop->EndDrivenPrograms();
    session.desktop->InstallProgram(standard_desktop::NeroPath, [] { return std::make_unique<NeroStandIn>(StandInOptions{}); });
    session.PressStartStop();
    ASSERT_TRUE(session.RunUntilIdle(Hour));
    ExpectTheWholeJobDone(session);
}

TEST(HarshDesktop, PromptsThatOpenALittleAfterTheirKeysStillGiveTheRightDisc) {
    StandInOptions late;
    late.promptDelayMs = 400;
    SimSession session(late);
    session.Load();
    session.AddTypicalList();
    session.PressStartStop();
    ASSERT_TRUE(session.RunUntilIdle(Hour));
    ExpectTheWholeJobDone(session);
}

TEST(HarshDesktop, CapsLockOnAndALayoutWithoutLatinLettersStillGiveTheRightDiscAndNames) {
    for (SimLayout layout : {SimLayout::UnitedStates, SimLayout::Russian}) {
        SimSession session;
        session.desktop->SetCapsLock(true);
        session.desktop->SetLayout(layout);
        session.Load();
        session.controls.txtDiscName.SetText("Mix (2003) +5%");
        session.AddTypicalList();
        session.PressStartStop();
        ASSERT_TRUE(session.RunUntilIdle(Hour));
        ExpectTheWholeJobDone(session);
        EXPECT_EQ(session.desktop->Disc().title, "Mix (2003) +5%");
        EXPECT_TRUE(session.desktop->CapsLockOn());
    }
}

TEST(HarshDesktop, WithTheForegroundRefusedNothingIsTypedAnywhereAndNothingIsLost) {
    SimSession session;
    session.desktop->Disc().groups.push_back({"Old", {{"Old track", "C:\\Old.mp3", "LP2"}}});
    session.Load();
    session.AddTypicalList();
    const WindowHandle browser = session.desktop->AddBystander("News - Browser");
    session.desktop->SetForegroundRefused(true);
    session.PressStartStop();
    ASSERT_FALSE(session.RunUntilIdle(10 * 60'000));
    session.PressStartStop();

    EXPECT_TRUE(session.desktop->TypedKeys(browser).empty());
    EXPECT_TRUE(session.desktop->TypedKeys(session.desktop->OwnWindow()).empty());
    EXPECT_EQ(session.ListEntries(), typical_job::Entries);
    EXPECT_EQ(session.desktop->Disc().groups.size(), 1u);  // not erased: Alt+Y was never typed
    EXPECT_FALSE(session.desktop->KeptAwake());
}

// A window of another program pops up at some moment of the job and takes the focus (a messenger,
// an update notice). Wherever that moment falls, it receives no key, and the job either ends right
// or stops visibly short, the list keeping what is not on the disc.
TEST(HarshDesktop, AWindowThatTakesTheFocusAtAnyMomentGetsNoKeyAndSpoilsNothing) {
    int completed = 0;
    for (std::int64_t at = 1'000; at < 330'000; at += 2'300) {
        SimSession session;
        session.Load();
        session.AddTypicalList();
        WindowHandle thief = 0;
        session.desktop->Clock().Schedule(session.Now() + at,
                                          [&] { thief = session.desktop->AddBystander("New message"); });
        session.PressStartStop();
        if (session.RunUntilIdle(Hour)) {
            ++completed;
        } else {
            EXPECT_TRUE(session.IsRunning());
            session.PressStartStop();
        }
        SCOPED_TRACE("thief at " + std::to_string(at) + " ms");
        ASSERT_NE(thief, 0u);
        EXPECT_TRUE(session.desktop->TypedKeys(thief).empty());
        ExpectNothingLostNorSilentlyWrong(session, typical_job::Entries);
    }
    // Most moments fall in a wait, where the next activation simply brings the program back.
    EXPECT_GT(completed, 100);
}

TEST(HarshDesktop, AHungNeroNeverBlocksATickForLongAndStopStillEndsTheJob) {
    SimSession session;
    session.Load();
    session.AddTypicalList();
    session.PressStartStop();
    ASSERT_TRUE(session.RunUntil([&] { return session.form.Engine().JobState() == 9; }, Hour));
    session.RunFor(5'000);  // Nero is open now
    const WindowHandle nero = session.desktop->FindWindow(0, 0, std::nullopt, NeroMainTitle);
    ASSERT_NE(nero, 0u);
    session.desktop->SetHung(session.desktop->TaskOf(nero), true);

    ASSERT_FALSE(session.RunUntilIdle(10 * 60'000));
    // A program that does not respond may only be busy: activation waits for it, but no longer
    // than the long pause.
    EXPECT_LE(session.LongestTickMs(), LongPauseMs + 2 * 500);
    session.PressStartStop();
    EXPECT_FALSE(session.IsRunning());
    EXPECT_EQ(session.ListEntries(), typical_job::Entries);
}

TEST(HarshDesktop, AHangInTheMiddleOfTypingGivesUpWithinSecondsAndTheRestStaysInTheList) {
    SimSession session;
    session.Load();
    session.AddTypicalList();
    // Nero hangs right after its first activation, in the pause before the add-file keys.
    std::function<void()> watch = [&] {
        if (TranscriptHas(session, "ActivateByTitle(\"Nero - Burning Rom\")")) {
            const WindowHandle nero = session.desktop->FindWindow(0, 0, std::nullopt, NeroMainTitle);
            session.desktop->SetHung(session.desktop->TaskOf(nero), true);
        } else {
            session.desktop->Clock().Schedule(session.Now() + 100, watch);
        }
    };
    watch();
    session.PressStartStop();
    ASSERT_FALSE(session.RunUntilIdle(10 * 60'000));
    EXPECT_LE(session.LongestTickMs(), LongPauseMs + 2 * 500);
    session.PressStartStop();
    EXPECT_EQ(session.ListEntries(), typical_job::Entries);
}

TEST(HarshDesktop, AStoreThatRefusesWritesNeverKeepsStopFromStopping) {
    SimSession session;
    session.Load();
    session.AddTypicalList();
    session.settings.RefuseWrites(true);
    session.PressStartStop();
    EXPECT_TRUE(session.IsRunning());
    EXPECT_TRUE(session.desktop->KeptAwake());
    session.RunFor(20'000);

    session.PressStartStop();
    EXPECT_FALSE(session.IsRunning());
    EXPECT_FALSE(session.controls.tmrMaster.Enabled());
    EXPECT_FALSE(session.desktop->KeptAwake());
    const auto& shown = session.messageBoxes.Shown();
    ASSERT_EQ(shown.size(), 3u);  // the failed save at Start, the checklist, the failed save at Stop
    EXPECT_EQ(shown[0].text, "Error: The setting \"AudioProject\" cannot be saved.");
    EXPECT_EQ(shown[2].text, shown[0].text);
    const std::size_t lines = session.desktop->Transcript().Texts().size();
    session.RunFor(5 * 60'000);
    EXPECT_EQ(session.desktop->Transcript().Texts().size(), lines);
}

TEST(HarshDesktop, FilesThatHaveGoneStopTheJobBeforeAnyProgramAndTheListStays) {
    const Lines gone = {"D:\\Album\\1.mp3", "D:\\Album\\2.mp3", "D:\\Album\\3.mp3", "D:\\Album\\4.mp3"};
    struct Case {
        Lines list;
        std::string message;
    };
    const std::vector<Case> cases = {
        {{A, gone[0]}, "Error: D:\\Album\\1.mp3 does not exist."},
        {{gone[0], A, gone[1], gone[0]}, "Error: D:\\Album\\1.mp3 and D:\\Album\\2.mp3 do not exist."},
        {{gone[0], gone[1], gone[2]}, "Error: D:\\Album\\1.mp3, D:\\Album\\2.mp3 and D:\\Album\\3.mp3 do not exist."},
        {{gone[3], A, gone[2], gone[1], gone[0]},
         "Error: D:\\Album\\4.mp3, D:\\Album\\3.mp3, D:\\Album\\2.mp3 and 1 more file of the list do not exist."},
    };
    for (const Case& test : cases) {
        SimSession session;
        session.Load();
        session.controls.chkAutoBreak.SetValue(0);
        for (const std::string& file : test.list) {
            session.AddFiles({file});
        }
        session.PressStartStop();
        session.RunFor(60'000);
        EXPECT_FALSE(session.IsRunning());
        EXPECT_EQ(session.messageBoxes.Shown().back().text, test.message);
        EXPECT_EQ(session.ListEntries(), test.list);
        EXPECT_FALSE(TranscriptHas(session, "ShellOpen")) << test.message;
        EXPECT_FALSE(TranscriptHas(session, "StartProgram")) << test.message;
    }
}

TEST(HarshDesktop, AnImageThatStaysAfterADeleteThatSeemedToWorkEndsTheProgram) {
    SimSession session;
    const std::string image = "C:\\Temp\\~TmpVelutreck.nrg";
    session.desktop->Files().AddFile(image, "old image");
    session.desktop->Files().SetDeleteIgnored(image, true);
    session.Load();
    session.AddTypicalList();
    session.PressStartStop();
    ASSERT_TRUE(session.RunUntilIdle(Hour));
    EXPECT_TRUE(session.controls.form.Unloaded());
    EXPECT_EQ(session.messageBoxes.Shown().back().text, "Error: Unable to delete " + image);
    EXPECT_FALSE(TranscriptHas(session, "StartProgram"));
}

TEST(HarshDesktop, TheUserClickingVelutreckBeforeTheCompressionIsSetStillRecordsLp4) {
    SimSession session;
    session.Load();
    session.AddTypicalList();
    session.PressStartStop();
    for (int group = 0; group < 2; ++group) {
        ASSERT_TRUE(session.RunUntil([&] { return session.form.Engine().JobState() == 16; }, Hour));
        session.desktop->UserActivates(session.desktop->OwnWindow());
        ASSERT_TRUE(session.RunUntil([&] { return session.form.Engine().JobState() == 17; }, Hour));
    }
    ASSERT_TRUE(session.RunUntilIdle(Hour));
    EXPECT_TRUE(session.desktop->TypedKeys(session.desktop->OwnWindow()).empty());
    ExpectNothingLostNorSilentlyWrong(session, typical_job::Entries);
    EXPECT_EQ(SourcesOn(session.desktop->Disc()), (Lines{A, B, C}));
}

}  // namespace
}  // namespace velutreck
