// The checks of a job against its media at Start: what cannot be recorded is refused and what may
// not come out right is asked about, each before any program is started and with the list kept;
// and the list's summary as the lengths of its files arrive.
#include <gtest/gtest.h>

#include "engine/job_log.h"
#include "rehearsal/desktop/standard_desktop.h"
#include "support/sim_session.h"

namespace velutreck {
namespace {

using std::chrono::minutes;
using std::chrono::seconds;
using Strings = std::vector<std::string>;

bool IdleAndListEditable(const SimSession& session) {
    return session.controls.btnStartStop.Caption() == "&Start" && !session.controls.tmrMaster.Enabled() &&
           session.controls.lstAudioFiles.Enabled();
}

// Files of the given length on the simulated disk, "C:\Album\<name>aa.mp3" on (letters only, so
// that their names keep their length), dropped as one group.
Strings ListGroup(SimSession& session, const std::string& name, int files, std::chrono::milliseconds each) {
    Strings paths;
    for (int i = 0; i < files; ++i) {
        const std::string path = "C:\\Album\\" + name + char('a' + i / 26) + char('a' + i % 26) + ".mp3";
        session.desktop->Files().AddFile(path, "audio");
        session.desktop->Files().SetPlayingTime(path, each);
        paths.push_back(path);
    }
    session.controls.chkAutoBreak.SetValue(1);
    session.form.FilesDropped(paths);
    return paths;
}

// The summary once the lengths of the files added have been read.
std::string SummaryOnceRead(SimSession& session) {
    session.RunFor(1000);
    return session.controls.lblSummary.Caption();
}

// Start, OK at the checklist, and the answer given to a question if one comes.
void StartAnswering(SimSession& session, MessageBoxAnswer answer) {
    session.messageBoxes.AnswerNext(MessageBoxAnswer::Ok);
    session.messageBoxes.AnswerNext(answer);
    session.PressStartStop();
    session.RunFor(10'000);
}

// The list stays as it was, but for the marker at its top, which OK at the checklist removes.
void ExpectEndedBeforeAnything(const SimSession& session, const Strings& list) {
    EXPECT_TRUE(IdleAndListEditable(session));
    EXPECT_TRUE(NoProgramTouched(session));
    EXPECT_EQ(session.ListEntries(), Strings(list.begin() + 1, list.end()));
}

TEST(StartChecks, WhatNoCdImageOrMiniDiscCanHoldIsRefusedInOneMessageBeforeAnythingStarts) {
    SimSession session;
    session.Load();
    ListGroup(session, "Long", 100, seconds(30));
    ListGroup(session, "Longer", 2, minutes(50));
    ListGroup(session, "More", 99, seconds(1));
    ListGroup(session, "Most", 55, seconds(1));
    const Strings list = session.ListEntries();
    EXPECT_EQ(SummaryOnceRead(session),
              "256 files in 4 groups, 2:32:34 - group 1 over 99 files, group 2 over 99:59, over 254 tracks");
    StartAnswering(session, MessageBoxAnswer::Ok);

    ASSERT_EQ(session.messageBoxes.Shown().size(), 2u);
    EXPECT_EQ(session.messageBoxes.Shown()[1].text,
              "Error: Group 1 has 100 files; an audio CD holds 99 tracks. Insert a break to split it.\r\n"
              "Group 2 plays 1:40:00; no CD image holds more than 99:59.\r\n"
              "The list has 256 files; a MiniDisc holds 254 tracks.");
    EXPECT_EQ(session.messageBoxes.Shown()[1].style, MessageBoxStyle::Critical);
    // As after a failed path check, the caption keeps its status.
    EXPECT_EQ(session.Caption(), "Starting - Velutreck");
    ExpectEndedBeforeAnything(session, list);
}

TEST(StartChecks, ALongGroupAndAFullDiscAreAskedAboutAndCancelEndsTheJobAsAtTheChecklist) {
    SimSession session;
    session.Load();
    session.controls.cboCompression.SetListIndex(0);  // LP2: 160 minutes
    session.controls.chkErase.SetValue(0);
    ListGroup(session, "Long", 1, minutes(81));
    ListGroup(session, "Full", 2, minutes(40));
    session.AddFiles({"C:\\Music\\A.mp3"});
    session.desktop->Files().AddFile("C:\\Album\\Unknown.vqf", "no decoder");
    session.form.FilesDropped({"C:\\Album\\Unknown.vqf"});
    const Strings list = session.ListEntries();
    StartAnswering(session, MessageBoxAnswer::Cancel);

    ASSERT_EQ(session.messageBoxes.Shown().size(), 2u);
    EXPECT_EQ(session.messageBoxes.Shown()[1].text,
              "Group 1 plays 1:21:00; Nero writes an image of an 80-minute CD unless it is set to overburn.\r\n"
              "The list plays 2:44:20, 4:20 more than an 80-minute MiniDisc holds at LP2. The tracks already on "
              "the disc take space too.\r\n"
              "The length of 1 file is unknown.\r\n\r\n"
              "Start anyway?");
    EXPECT_EQ(session.messageBoxes.Shown()[1].style, MessageBoxStyle::OkCancelExclamation);
    EXPECT_EQ(session.Caption(), "Velutreck");
    ExpectEndedBeforeAnything(session, list);
    const std::string log = *session.desktop->Files().ReadFile(standard_desktop::LogFolder + "\\Velutreck.log");
    EXPECT_NE(log.find("Summary: 5 files in 4 groups, 2:44:20 - group 1 over 80:00, 4:20 too long for an 80-minute "
                       "MiniDisc at LP2 (the length of 1 file is unknown)\r\n"),
              std::string::npos);
    EXPECT_TRUE(log.ends_with(" s  Job was cancelled at the question before it.\r\n\r\n")) << log;
}

// The summary and Start measure each group in whole seconds, as the messages show it: three groups
// of 53:20.4 fill an 80-minute disc at LP2 exactly, and of 53:20.6 they are 0:03 too long; a group
// of 80:00.4 is no longer than Nero's 80-minute image.
TEST(StartChecks, TheSummaryAndStartAgreeAtTheDiscsLimitAndJustOverIt) {
    const auto listThreeGroups = [](SimSession& session, std::chrono::milliseconds each) {
        session.Load();
        session.controls.cboCompression.SetListIndex(0);
        for (const char* name : {"One", "Two", "Three"}) {
            ListGroup(session, name, 1, each);
        }
    };
    SimSession session;
    listThreeGroups(session, minutes(53) + std::chrono::milliseconds(20'400));
    EXPECT_EQ(SummaryOnceRead(session),
              "3 files in 3 groups, 2:40:00 - fits an 80-minute MiniDisc at LP2, 0:00 to spare");
    StartAnswering(session, MessageBoxAnswer::Cancel);
    EXPECT_EQ(session.messageBoxes.Shown().size(), 1u);
    EXPECT_TRUE(session.IsRunning());
    session.PressStartStop();

    SimSession over;
    listThreeGroups(over, minutes(53) + std::chrono::milliseconds(20'600));
    EXPECT_EQ(SummaryOnceRead(over),
              "3 files in 3 groups, 2:40:03 - 0:03 too long for an 80-minute MiniDisc at LP2");
    StartAnswering(over, MessageBoxAnswer::Cancel);
    ASSERT_EQ(over.messageBoxes.Shown().size(), 2u);
    EXPECT_EQ(over.messageBoxes.Shown()[1].text,
              "The list plays 2:40:03, 0:03 more than an 80-minute MiniDisc holds at LP2.\r\n\r\nStart anyway?");

    SimSession nero;
    nero.Load();
    ListGroup(nero, "Nero", 1, minutes(80) + std::chrono::milliseconds(400));
    EXPECT_EQ(SummaryOnceRead(nero),
              "1 file in 1 group, 1:20:00 - fits an 80-minute MiniDisc at LP4, 4:00:00 to spare");
    StartAnswering(nero, MessageBoxAnswer::Cancel);
    EXPECT_EQ(nero.messageBoxes.Shown().size(), 1u);
    EXPECT_TRUE(nero.IsRunning());
}

TEST(StartChecks, TheSummaryNamesTheTracksStartRefusesAShortListFor) {
    SimSession session;
    session.Load();
    for (const char* name : {"One", "Two", "Three"}) {
        ListGroup(session, name, 85, seconds(30));
    }
    EXPECT_EQ(SummaryOnceRead(session), "255 files in 3 groups, 2:07:30 - over 254 tracks");
    StartAnswering(session, MessageBoxAnswer::Ok);
    ASSERT_EQ(session.messageBoxes.Shown().size(), 2u);
    EXPECT_EQ(session.messageBoxes.Shown()[1].text, "Error: The list has 255 files; a MiniDisc holds 254 tracks.");
}

// The length chosen on the Settings tab measures the list at once, asks at Start and is saved.
TEST(StartChecks, OnA74MinuteDiscTheSummaryAndTheQuestionAtStartUseItsLength) {
    SimSession session;
    session.Load();
    session.controls.cboCompression.SetListIndex(0);
    ListGroup(session, "One", 1, minutes(72) + seconds(25));
    ListGroup(session, "Two", 1, minutes(72) + seconds(25));
    EXPECT_EQ(SummaryOnceRead(session),
              "2 files in 2 groups, 2:24:50 - fits an 80-minute MiniDisc at LP2, 15:10 to spare");
    session.controls.cboDiscLength.SetListIndex(1);
    session.form.cboDiscLength_Click();
    EXPECT_EQ(SummaryOnceRead(session),
              "2 files in 2 groups, 2:24:50 - fits a 74-minute MiniDisc at LP2, 3:10 to spare");
    session.controls.cboDiscLength.SetListIndex(0);
    session.form.cboDiscLength_Click();
    EXPECT_EQ(SummaryOnceRead(session),
              "2 files in 2 groups, 2:24:50 - 24:50 too long for a 60-minute MiniDisc at LP2");

    session.controls.cboDiscLength.SetListIndex(1);
    ListGroup(session, "Three", 1, minutes(4));
    StartAnswering(session, MessageBoxAnswer::Cancel);
    ASSERT_EQ(session.messageBoxes.Shown().size(), 2u);
    EXPECT_EQ(session.messageBoxes.Shown()[1].text,
              "The list plays 2:28:50, 0:50 more than a 74-minute MiniDisc holds at LP2.\r\n\r\nStart anyway?");
    EXPECT_EQ(session.settings.Writes().back().key, "MiniDiscLength");
    EXPECT_EQ(session.settings.Writes().back().value, "74");
}

TEST(StartChecks, OkToTheQuestionRecordsTheJob) {
    SimSession session;
    session.Load();
    ListGroup(session, "Long", 1, minutes(85));
    StartAnswering(session, MessageBoxAnswer::Ok);
    ASSERT_TRUE(session.RunUntilIdle(Hour));
    EXPECT_EQ(session.messageBoxes.Shown().size(), 2u);
    EXPECT_EQ(session.desktop->Disc().groups.size(), 1u);
    EXPECT_TRUE(session.ListEntries().empty());
    EXPECT_EQ(session.controls.lblSummary.Caption(), "No files");  // the summary followed the job
}

TEST(StartChecks, LengthsStillBeingReadAreWaitedForAFewSecondsAndThenCountAsUnknown) {
    SimSession session;
    session.Load();
    session.desktop->Files().AddFile("C:\\Album\\Slow.wav", "audio");
    session.desktop->Files().SetPlayingTime("C:\\Album\\Slow.wav", minutes(85));
    session.lengths.SetReadTime("C:\\Album\\Slow.wav", seconds(3));
    session.form.FilesDropped({"C:\\Album\\Slow.wav"});
    StartAnswering(session, MessageBoxAnswer::Cancel);
    ASSERT_EQ(session.messageBoxes.Shown().size(), 2u);
    EXPECT_EQ(session.messageBoxes.Shown()[1].text,
              "Group 1 plays 1:25:00; Nero writes an image of an 80-minute CD unless it is set to overburn.\r\n\r\n"
              "Start anyway?");

    SimSession slower;
    slower.Load();
    slower.desktop->Files().AddFile("C:\\Album\\Slower.wav", "audio");
    slower.desktop->Files().SetPlayingTime("C:\\Album\\Slower.wav", minutes(85));
    slower.lengths.SetReadTime("C:\\Album\\Slower.wav", seconds(10));
    slower.form.FilesDropped({"C:\\Album\\Slower.wav"});
    StartAnswering(slower, MessageBoxAnswer::Cancel);
    EXPECT_EQ(slower.messageBoxes.Shown().size(), 1u);
    EXPECT_TRUE(slower.IsRunning());
}

// Another program sends the window a message every 100 ms of virtual time for the given time.
void SendThroughout(SimSession& session, std::int64_t milliseconds) {
    for (std::int64_t at = 0; at < milliseconds; at += 100) {
        session.desktop->Clock().Schedule(session.Now() + at, [&session] { session.desktop->OwnThread().Send(); });
    }
}

TEST(StartChecks, TheWaitForLengthsAnswersTheWindowAndADecoderThatHangsIsGivenUpAlone) {
    SimSession session;
    session.Load();
    session.lengths.SetReadTime("C:\\Album\\Songab.mp3", std::chrono::hours(1));
    session.lengths.SetReadTime("C:\\Album\\Songac.mp3", seconds(3));
    const Strings files = ListGroup(session, "Song", 3, minutes(30));
    SendThroughout(session, 10'000);
    StartAnswering(session, MessageBoxAnswer::Cancel);
    EXPECT_LE(session.desktop->OwnThread().LongestUnansweredMs(), 1000);
    // The hung file is unknown and the others were not held up by it, so the job asks about 60 minutes.
    ASSERT_EQ(session.messageBoxes.Shown().size(), 1u);
    EXPECT_TRUE(session.IsRunning());
    EXPECT_EQ(session.lengths.Length(files[1]).state, MediaLength::State::Unknown);
    const std::string log = *session.desktop->Files().ReadFile(standard_desktop::LogFolder + "\\Velutreck.log");
    EXPECT_NE(log.find("Group 1: 3 files, 1:00:00 (the length of 1 file is unknown)\r\n"), std::string::npos) << log;
    // Given up until the file changes.
    session.PressStartStop();
    session.form.TrackListCommand_Click(TrackListCommand::ShiftUp);
    EXPECT_EQ(session.lengths.Reads(files[1]), 1);
    session.desktop->Files().WriteFile(files[1], "audio, now whole");
    session.lengths.SetReadTime(files[1], seconds(1));
    session.form.TrackListCommand_Click(TrackListCommand::ShiftUp);
    session.RunFor(1000);
    EXPECT_EQ(session.lengths.Reads(files[1]), 2);
    EXPECT_EQ(session.lengths.Length(files[1]).state, MediaLength::State::Known);
}

TEST(StartChecks, NamesThatNeedMoreTitleCellsThanTheDiscHasAreAskedAboutOnlyWhenTheyWillBeTyped) {
    SimSession session;
    session.Load();
    // 128 names of 10 letters take two cells each, the group's first name is typed twice, and the
    // disc name "Velutreck Disc" takes two more.
    ListGroup(session, "Tracking", 64, seconds(10));
    ListGroup(session, "Otherone", 64, seconds(10));
    session.controls.chkNameTracks.SetValue(0);
    StartAnswering(session, MessageBoxAnswer::Cancel);
    EXPECT_EQ(session.messageBoxes.Shown().size(), 1u);  // the checklist, then the job ran on
    EXPECT_TRUE(session.IsRunning());

    // Track names are typed only onto a disc the job erased.
    SimSession keeping;
    keeping.Load();
    ListGroup(keeping, "Tracking", 64, seconds(10));
    ListGroup(keeping, "Otherone", 64, seconds(10));
    keeping.controls.chkErase.SetValue(0);
    StartAnswering(keeping, MessageBoxAnswer::Cancel);
    EXPECT_EQ(keeping.messageBoxes.Shown().size(), 1u);

    SimSession naming;
    naming.Load();
    ListGroup(naming, "Tracking", 64, seconds(10));
    ListGroup(naming, "Otherone", 64, seconds(10));
    const Strings list = naming.ListEntries();
    StartAnswering(naming, MessageBoxAnswer::Cancel);
    ASSERT_EQ(naming.messageBoxes.Shown().size(), 2u);
    EXPECT_EQ(naming.messageBoxes.Shown()[1].text,
              "The disc name and the track names take 262 title cells of 7 characters; a MiniDisc has 255, so the "
              "last names will not fit.\r\n\r\nStart anyway?");
    ExpectEndedBeforeAnything(naming, list);
}

TEST(StartChecks, UnknownLengthsAloneNeitherRefuseNorAsk) {
    SimSession session;
    session.Load();
    Strings files;
    for (int i = 0; i < 99; ++i) {
        files.push_back("C:\\Album\\" + std::to_string(i) + ".vqf");
        session.desktop->Files().AddFile(files.back(), "no decoder");
    }
    session.form.FilesDropped(files);
    StartAnswering(session, MessageBoxAnswer::Cancel);
    EXPECT_EQ(session.messageBoxes.Shown().size(), 1u);
    EXPECT_TRUE(session.IsRunning());
    EXPECT_GT(session.form.Engine().JobState(), 1);
}

TEST(ListSummary, FollowsLengthsArrivingAfterTheFilesInAnyOrderAndForgetsAFileRemovedMeanwhile) {
    SimSession session;
    session.Load();
    const Label& summary = session.controls.lblSummary;
    EXPECT_EQ(summary.Caption(), "No files");
    session.lengths.SetReadTime(standard_desktop::MusicFiles()[0], std::chrono::milliseconds(900));
    session.lengths.SetReadTime(standard_desktop::MusicFiles()[2], std::chrono::milliseconds(500));
    session.AddFiles({"C:\\Music\\A.mp3", "C:\\Music\\B.mp3", "C:\\Music\\C.mp3"});
    EXPECT_EQ(summary.Caption(), "3 files in 1 group, reading the length of 3 files");

    session.RunFor(300);  // B, read in the usual time
    EXPECT_EQ(summary.Caption(), "3 files in 1 group, reading the length of 2 files");
    session.RunFor(300);  // C, before A
    EXPECT_EQ(summary.Caption(), "3 files in 1 group, reading the length of 1 file");
    session.RunFor(400);
    EXPECT_EQ(summary.Caption(), "3 files in 1 group, 12:25 - fits an 80-minute MiniDisc at LP4, 5:07:35 to spare");

    session.controls.cboCompression.SetListIndex(0);
    session.form.cboCompression_Click();
    EXPECT_EQ(summary.Caption(), "3 files in 1 group, 12:25 - fits an 80-minute MiniDisc at LP2, 2:27:35 to spare");

    // D is removed from the list, and E from the disk, while their lengths are read.
    session.AddFiles({"C:\\Music\\D.mp3", "C:\\Music\\E.mp3"});
    session.controls.lstAudioFiles.SetSelectedIndex(5);
    ASSERT_EQ(session.controls.lstAudioFiles.Entry(5), "C:\\Music\\D.mp3");
    session.form.TrackListCommand_Click(TrackListCommand::Remove);
    session.desktop->Files().DeleteFile("C:\\Music\\E.mp3");
    session.RunFor(1000);
    EXPECT_EQ(summary.Caption(),
              "4 files in 2 groups, 12:25 - fits an 80-minute MiniDisc at LP2, 2:27:35 to spare "
              "(the length of 1 file is unknown)");
    EXPECT_EQ(session.lengths.Reads("C:\\Music\\A.mp3"), 1);  // read once, however often the list changed
    // An unknown length is read again when the list changes, not whenever some length arrives.
    EXPECT_EQ(session.lengths.Reads("C:\\Music\\E.mp3"), 1);
}

TEST(ListSummary, NoListedFileIsLookedAtThroughAJobAfterStart) {
    SimSession session;
    session.Load();
    session.AddTypicalList();
    session.RunFor(1000);
    session.messageBoxes.AnswerNext(MessageBoxAnswer::Ok);
    session.PressStartStop();
    ASSERT_TRUE(session.RunUntil([&] { return session.form.Engine().JobState() > 1; }, 10'000));
    const auto looks = [&] {
        int all = 0;
        for (const std::string& file : {typical_job::A, typical_job::B, typical_job::C}) {
            all += session.lengths.Looks(file);
        }
        return all;
    };
    const int atStart = looks();
    EXPECT_GT(atStart, 6);  // looked at when added and at Start
    ASSERT_TRUE(session.RunUntilIdle(Hour));
    EXPECT_EQ(session.desktop->Disc().groups.size(), 2u);
    EXPECT_EQ(looks(), atStart);
}

}  // namespace
}  // namespace velutreck
