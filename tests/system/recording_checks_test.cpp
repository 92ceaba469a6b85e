// Whole jobs where what Simple Burner would record is not the group: ImageDrive ignores the image
// or is slow to present it, a drive spins up, a music CD sits in another drive. The job stops
// before the wrong recording and says why; the group is back at the top of the list; once the
// fault is mended, Start records the right disc with the right names.
#include <algorithm>

#include <gtest/gtest.h>

#include "rehearsal/desktop/standard_desktop.h"
#include "rehearsal/standins/image_drive_stand_in.h"
#include "rehearsal/standins/nero_stand_in.h"
#include "rehearsal/standins/shown_cd.h"
#include "support/sim_session.h"

namespace velutreck {
namespace {

using Lines = std::vector<std::string>;
using std::chrono::seconds;

bool StartsWith(const std::string& text, const std::string& start) { return text.rfind(start, 0) == 0; }

// The job stopped as a refused one does, with this message, and the whole list is back.
void ExpectStoppedWithTheListBack(const SimSession& session, const std::string& messageStart, int state = 15) {
    EXPECT_FALSE(session.IsRunning());
    EXPECT_FALSE(session.controls.tmrMaster.Enabled());
    EXPECT_TRUE(session.controls.lstAudioFiles.Enabled());
    EXPECT_EQ(session.Caption(), "Velutreck");
    EXPECT_EQ(session.desktop->Taskbar().Now().state, TaskbarProgress::Error);
    ASSERT_FALSE(session.messageBoxes.Shown().empty());
    const ShownMessage& shown = session.messageBoxes.Shown().back();
    EXPECT_TRUE(StartsWith(shown.text, messageStart)) << shown.text;
    EXPECT_EQ(shown.style, MessageBoxStyle::Critical);
    EXPECT_EQ(session.ListEntries(), typical_job::Entries);
    EXPECT_TRUE(session.controls.lblSummary.Caption().starts_with("3 files in 2 groups"))
        << session.controls.lblSummary.Caption();
    EXPECT_TRUE(session.desktop->Disc().groups.empty());
    const Lines events = LogEvents(JobLogLines(session));
    ASSERT_GE(events.size(), 2u);
    EXPECT_EQ(events[events.size() - 2], shown.text);
    EXPECT_TRUE(StartsWith(events.back(), "Job was stopped in state " + std::to_string(state) + " by the check of "))
        << events.back();
}

void ExpectTheRightDisc(SimSession& session) {
    session.desktop->EndDrivenPrograms();
    session.PressStartStop();
    ASSERT_TRUE(session.RunUntilIdle(Hour));
    EXPECT_EQ(SourcesOn(session.desktop->Disc()), (Lines{typical_job::A, typical_job::B, typical_job::C}));
    EXPECT_EQ(RowTitles(session.desktop->Disc()), (Lines{"A", "A", "B", "C", "C"}));
    EXPECT_TRUE(session.ListEntries().empty());
    EXPECT_EQ(LogEvents(JobLogLines(session)).back(), "Job is complete.");
}

void InstallImageDrive(SimSession& session, const StandInOptions& options) {
    session.desktop->InstallProgram(standard_desktop::ImageDrivePath,
                                    [options] { return std::make_unique<ImageDriveStandIn>(options); });
}

TEST(RecordingChecks, AFileNeroLeftOutOfItsImageStopsTheJobBeforeImageDriveAndIsNamed) {
    SimSession session({.neroUndecodable = {typical_job::B}});
    session.Load();
    session.AddTypicalList();
    session.PressStartStop();
    ASSERT_TRUE(session.RunUntilIdle(Hour));

    ExpectStoppedWithTheListBack(session,
                                 "Error: Nero's image of group 1 holds 1 track, not 2: Nero did not take "
                                 "\"C:\\Music\\B.mp3\". Nero cannot read every file (copy protection, a damaged file, a "
                                 "format it does not know): play the file, or convert it to MP3 or WAV, then press Start.",
                                 14);
    EXPECT_EQ(LogEvents(JobLogLines(session)).back(),
              "Job was stopped in state 14 by the check of Nero's image, before recording group 1; its files are back "
              "at the top of the list.");

    session.desktop->InstallProgram(standard_desktop::NeroPath, [] { return std::make_unique<NeroStandIn>(StandInOptions{}); });
    ExpectTheRightDisc(session);
}

// Group 1 is recorded on a disc erased by this job and no longer listed: the message warns that
// the next Start would erase it; with the box cleared, Start adds the rest of the list.
TEST(RecordingChecks, AStopAfterAGroupWasRecordedOnAnErasedDiscWarnsBeforeTheNextErase) {
    SimSession session({.neroUndecodable = {typical_job::C}});
    session.Load();
    session.AddTypicalList();
    session.PressStartStop();
    ASSERT_TRUE(session.RunUntilIdle(Hour));

    ASSERT_FALSE(session.messageBoxes.Shown().empty());
    const std::string warning = " Group 1 is on the MiniDisc already: clear \"Erase MiniDisc before writing new "
                                "files\" on the Settings tab before you press Start, or it is erased.";
    const std::string& text = session.messageBoxes.Shown().back().text;
    EXPECT_TRUE(text.ends_with(warning)) << text;
    EXPECT_EQ(session.ListEntries(), (Lines{typical_job::C}));
    EXPECT_EQ(SourcesOn(session.desktop->Disc()), (Lines{typical_job::A, typical_job::B}));

    session.desktop->InstallProgram(standard_desktop::NeroPath, [] { return std::make_unique<NeroStandIn>(StandInOptions{}); });
    session.controls.chkErase.SetValue(0);
    session.desktop->EndDrivenPrograms();
    session.PressStartStop();
    ASSERT_TRUE(session.RunUntilIdle(Hour));
    EXPECT_EQ(SourcesOn(session.desktop->Disc()), (Lines{typical_job::A, typical_job::B, typical_job::C}));
}

// A Nero whose image format Velutreck does not know: the image is not checked, and the job goes on
// to the virtual CD (which this ImageDrive, not knowing it either, does not show).
TEST(RecordingChecks, AnImageVelutreckCannotReadIsLetThrough) {
    SimSession session;
    session.Load();
    session.AddTypicalList();
    session.PressStartStop();
    ASSERT_TRUE(session.RunUntil([&] { return session.form.Engine().JobState() == 14; }, Hour));
    session.desktop->Files().WriteFile("C:\\Temp\\~TmpVelutreck.nrg", std::string(4096, 'x'));
    ASSERT_TRUE(session.RunUntilIdle(Hour));

    const Lines events = LogEvents(JobLogLines(session));
    EXPECT_NE(std::find(events.begin(), events.end(), "Image of group 1: not checked: Velutreck cannot read this image"),
              events.end());
    EXPECT_TRUE(StartsWith(events.back(), "Job was stopped in state 15 by the check of the virtual CD")) << events.back();
}

TEST(RecordingChecks, AnImageDriveThatIgnoresTheImageStopsTheJobBeforeRecordingAndTheGroupComesBack) {
    SimSession session({.imageDriveIgnoresLoads = true});
    session.Load();
    session.AddTypicalList();
    std::string summaryBehindTheMessage;
    session.messageBoxes.WhenShown([&] { summaryBehindTheMessage = session.controls.lblSummary.Caption(); });
    session.PressStartStop();
    ASSERT_TRUE(session.RunUntilIdle(Hour));
    EXPECT_TRUE(summaryBehindTheMessage.starts_with("3 files in 2 groups")) << summaryBehindTheMessage;

    ExpectStoppedWithTheListBack(session, "Error: ImageDrive did not present the image of group 1: no CD drive "
                                          "shows its 2 tracks (E: shows ");
    // It looked for the CD as long as the long wait, and no longer.
    const Lines events = LogEvents(JobLogLines(session));
    EXPECT_EQ(std::count_if(events.begin(), events.end(),
                            [](const std::string& line) { return StartsWith(line, "Virtual CD of group 1: not shown after 30 s"); }),
              1);
    EXPECT_TRUE(StartsWith(events.back(), "Job was stopped in state 15 by the check of the virtual CD, before recording group 1"));

    InstallImageDrive(session, {});
    ExpectTheRightDisc(session);
}

TEST(RecordingChecks, ACdShownLateOrADriveThatSpinsUpHoldsTheJobUpToTheLongWaitAndNoLonger) {
    for (const std::uint32_t presentMs : {10'000u, 25'000u}) {
        SimSession session({.imageDrivePresentMs = presentMs});
        session.desktop->AddCdRom("D:", 4'000);
        session.Load();
        session.AddTypicalList();
        session.PressStartStop();
        ASSERT_TRUE(session.RunUntilIdle(Hour)) << presentMs;
        EXPECT_EQ(SourcesOn(session.desktop->Disc()), (Lines{typical_job::A, typical_job::B, typical_job::C}));
        EXPECT_EQ(LogEvents(JobLogLines(session)).back(), "Job is complete.");
        // The CD was looked for only as long as it took to show.
        EXPECT_LT(session.LongestTickMs(), presentMs + 5'000) << presentMs;
    }

    SimSession tooSlow({.imageDrivePresentMs = 45'000});
    tooSlow.Load();
    tooSlow.AddTypicalList();
    tooSlow.PressStartStop();
    ASSERT_TRUE(tooSlow.RunUntilIdle(Hour));
    ExpectStoppedWithTheListBack(tooSlow, "Error: ImageDrive did not present the image of group 1: no CD drive "
                                          "shows its 2 tracks (E: shows no audio CD). Check that ImageDrive");
}

TEST(RecordingChecks, AMusicCdInAnotherDriveStopsTheJobBeforeTheFirstRecordingUntilItIsTakenOut) {
    SimSession session;
    session.desktop->AddCdRom("D:");
    ShowCdTracks(session.desktop->Files(), "D:\\", {seconds(200), seconds(180), seconds(240)});
    session.Load();
    session.AddTypicalList();
    session.PressStartStop();
    ASSERT_TRUE(session.RunUntilIdle(Hour));

    ExpectStoppedWithTheListBack(session, "Error: Drive D: holds an audio CD. Simple Burner may record it instead of "
                                          "ImageDrive's virtual CD: take it out, then press Start.");
    EXPECT_EQ(LogEvents(JobLogLines(session)).back(),
              "Job was stopped in state 15 by the check of the CD drives, before recording group 1; its files are back "
              "at the top of the list.");

    ShowCdTracks(session.desktop->Files(), "D:\\", {});
    ExpectTheRightDisc(session);
}

}  // namespace
}  // namespace velutreck
