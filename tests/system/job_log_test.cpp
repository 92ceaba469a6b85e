// The job log read back as a user reads it after a job: what the job was given, the states it went
// through, every driver operation and how it ended, and how the job ended.
#include <algorithm>
#include <regex>

#include <gtest/gtest.h>

#include "engine/job_log.h"
#include "rehearsal/desktop/standard_desktop.h"
#include "support/sim_session.h"

namespace velutreck {
namespace {

using Lines = std::vector<std::string>;

const std::string LogPath = standard_desktop::LogFolder + "\\Velutreck.log";

Lines LogLines(const SimSession& session) { return JobLogLines(session); }
Lines Events(const Lines& lines) { return LogEvents(lines); }

Lines Matching(const Lines& lines, const std::string& pattern) {
    const std::regex wanted(pattern);
    Lines matching;
    std::copy_if(lines.begin(), lines.end(), std::back_inserter(matching),
                 [&](const std::string& line) { return std::regex_search(line, wanted); });
    return matching;
}

TEST(JobLog, AWholeJobShowsItsSettingsListStatesAndEveryOperationWithWhatItWasGiven) {
    SimSession session;
    session.Load();
    session.AddTypicalList();
    const std::int64_t start = session.Now();
    session.PressStartStop();
    ASSERT_TRUE(session.RunUntilIdle(Hour));

    const Lines lines = LogLines(session);
    ASSERT_GT(lines.size(), 20u);
    // Each line is stamped with the seconds since Start.
    EXPECT_NEAR(std::stod(lines[lines.size() - 2]), (session.Now() - start) / 1000.0, 1.0);
    EXPECT_EQ(lines[0], "=== Velutreck job, 2003-04-15 20:00:00, version 2003.04.15");
    EXPECT_EQ(Lines(lines.begin() + 1, lines.begin() + 20),
              (Lines{"AudioProject: C:\\Audio\\Empty.nra", "TempFolder: C:\\Temp\\",
                     "ImageDrive: C:\\Program Files\\ahead\\ImageDrive\\ImageDrive.exe",
                     "SimpleBurner: C:\\Program Files\\Sony\\Net MD Simple Burner\\NetMDSB.exe", "Compression: 1",
                     "SimpleBurnerPause: 30", "EraseMiniDisc: 1", "NameTracks: 1", "UseOnlyAlpha: 1",
                     "LengthOfNames: 12", "GeneralShortPause: 3", "GeneralLongPause: 30", "MiniDiscLength: 80",
                     "List (4 entries):",
                     "  C:\\Music\\A.mp3", "  C:\\Music\\B.mp3", "  ---Break---", "  C:\\Music\\C.mp3",
                     "      0.0 s  State 1, Starting"}));

    const Lines events = Events(lines);
    Lines states;
    for (const std::string& line : Matching(events, "^State ")) {
        states.push_back(line.substr(6, line.find(',', 6) - 6));
    }
    EXPECT_EQ(states, (Lines{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13", "14", "15", "16",
                             "17", "18", "19", "20", "21", "8", "9", "10", "11", "12", "13", "14", "15", "16", "17",
                             "18", "19", "20", "21", "22", "23", "24", "25", "26"}));
    // The lengths at the checks, before anything is started.
    EXPECT_EQ(Matching(events, "^(Group \\d|Summary)"),
              (Lines{"Group 1: 2 files, 7:25", "Group 2: 1 file, 5:00",
                     "Summary: 3 files in 2 groups, 12:25 - fits an 80-minute MiniDisc at LP4, 5:07:35 to spare"}));
    // A state line names the step the state begins.
    EXPECT_EQ(Matching(events, "^State (3|6|13|26),"),
              (Lines{"State 3, Deleting Temp Image", "State 6, Erasing MiniDisc", "State 13, Closing Nero",
                     "State 13, Closing Nero", "State 26, Finishing"}));
    EXPECT_EQ(Matching(events, "^Nero(AddFile|SaveImageFile)"),
              (Lines{"NeroAddFile C:\\Music\\B.mp3: ok", "NeroAddFile C:\\Music\\A.mp3: ok",
                     "NeroSaveImageFile C:\\Temp\\~TmpVelutreck.nrg: ok", "NeroAddFile C:\\Music\\C.mp3: ok",
                     "NeroSaveImageFile C:\\Temp\\~TmpVelutreck.nrg: ok"}));
    EXPECT_EQ(Matching(events, "^ImageDrive").front(), "ImageDriveEject 'C:\\Program Files\\Velutreck\\Empty.nrg': ok");
    EXPECT_EQ(Matching(events, "^SimpleBurnerName"),
              (Lines{"SimpleBurnerNameDisc Velutreck Disc: ok", "SimpleBurnerNameTracks (5 names): ok"}));
    // Simple Burner reads the disc before its window shows, as the job expects: a job that went well
    // names no failure.
    EXPECT_EQ(Matching(events, "^SimpleBurnerStart "),
              Lines(4, "SimpleBurnerStart C:\\Program Files\\Sony\\Net MD Simple Burner\\NetMDSB.exe: started; its "
                       "window is not shown yet"));
    // What the job checked for itself, and its last lines.
    EXPECT_EQ(Matching(events, "^(Image of|Virtual CD|Disc name read back|Recorded|Checked)"),
              (Lines{"Image of group 1: holds its 2 tracks", "Virtual CD of group 1: E: shows its 2 tracks",
                     "Image of group 2: holds its 1 track", "Virtual CD of group 2: E: shows its 1 track",
                     "Disc name read back: \"Velutreck Disc\", as typed", "Recorded 2 groups, 3 tracks",
                     "Checked 2 images and 2 virtual CDs; images not checked: 0; disc name read back as typed"}));
    EXPECT_EQ(Matching(events, "fail"), Lines{});
    EXPECT_EQ(events.back(), "Job is complete.");
    EXPECT_EQ(lines.back(), "");
}

TEST(JobLog, AJobThatWaitsForEverShowsWhatItWaitsForUntilTheUserStopsIt) {
    StandInOptions endless;
    endless.neroWriteMs = 24 * Hour;
    SimSession session(endless);
    session.Load();
    session.AddFiles({typical_job::A});
    session.PressStartStop();
    ASSERT_TRUE(session.RunUntil([&] { return session.form.Engine().JobState() == 12; }, Hour));
    session.RunFor(150'000);
    session.PressStartStop();

    const Lines events = Events(LogLines(session));
    EXPECT_EQ(Matching(events, "^NeroBurnCompleted"),
              (Lines{"NeroBurnCompleted: not yet", "NeroBurnCompleted: not yet (poll 61)",
                     "NeroBurnCompleted: not yet (poll 121)"}));
    EXPECT_EQ(events.back(), "Job was stopped by the user in state 12.");

    // The next job begins a record of its own after this one.
    session.PressStartStop();
    const Lines lines = LogLines(session);
    EXPECT_EQ(Matching(lines, "^=== Velutreck job, ").size(), 2u);
}

TEST(JobLog, FailuresTheJobIgnoredAndTheChecksThatEndedItAreNamed) {
    SimSession session;
    session.controls.txtSimpleBurner.SetText("C:\\Missing\\NetMDSB.exe");
    session.Load();
    session.controls.txtSimpleBurner.SetText("C:\\Missing\\NetMDSB.exe");
    session.AddFiles({typical_job::A});
    session.PressStartStop();
    session.RunFor(60'000);
    EXPECT_EQ(Events(LogLines(session)),
              (Lines{"State 1, Starting",
                     "Check failed: Error: C:\\Missing\\NetMDSB.exe does not exist.", "Job was ended by the checks before it."}));

    SimSession slow({.neroLoadMs = 40'000});
    slow.Load();
    slow.AddFiles({typical_job::A});
    slow.PressStartStop();
    ASSERT_TRUE(slow.RunUntil([&] { return slow.form.Engine().JobState() == 12; }, Hour));
    EXPECT_EQ(Matching(Events(LogLines(slow)), "^Nero(AddFile|SaveImageFile)"),
              (Lines{"NeroAddFile C:\\Music\\A.mp3: failed, ignored: No window has the title \"Nero - Burning Rom\"",
                     "NeroSaveImageFile C:\\Temp\\~TmpVelutreck.nrg: failed, ignored: No window has the title \"Save Image "
                     "File\""}));
}

TEST(JobLog, KeepsTheNewestJobsWithinAMegabyteAndNeverDisturbsAJob) {
    SimSession session;
    const std::string old = std::string(400'000, 'x') + "\r\n";
    session.desktop->Files().AddFile(LogPath, std::string(JobLogHeader) + "1\r\n" + old + std::string(JobLogHeader) +
                                                  "2\r\n" + old + std::string(JobLogHeader) + "3\r\n" + old);
    session.Load();
    session.AddFiles({typical_job::A});
    session.PressStartStop();
    ASSERT_TRUE(session.RunUntilIdle(Hour));
    const Lines headers = Matching(LogLines(session), "^=== Velutreck job, ");
    ASSERT_EQ(headers.size(), 3u);
    EXPECT_EQ(headers[0], std::string(JobLogHeader) + "2");
    EXPECT_EQ(LogLines(session).front(), headers[0]);
    EXPECT_LT(session.desktop->Files().ReadFile(LogPath)->size(), JobLogMaxBytes);

    // A log just under the megabyte has no room for one more job: its oldest job goes first. One
    // that fits exactly keeps every job.
    SimSession nearlyFull;
    const std::string half = std::string(495'000, 'x') + "\r\n";
    const std::string twoJobs = std::string(JobLogHeader) + "1\r\n" + half + std::string(JobLogHeader) + "2\r\n" + half;
    nearlyFull.desktop->Files().AddFile(LogPath, twoJobs);
    nearlyFull.Load();
    nearlyFull.AddFiles({typical_job::A});
    nearlyFull.PressStartStop();
    ASSERT_TRUE(nearlyFull.RunUntilIdle(Hour));
    EXPECT_EQ(LogLines(nearlyFull).front(), std::string(JobLogHeader) + "2");
    EXPECT_EQ(WithoutOldestJobs(twoJobs, twoJobs.size()), twoJobs);

    // A log that cannot be written does not change the job.
    SimSession unwritable;
    unwritable.desktop->Files().AddFile(LogPath, "");
    unwritable.desktop->Files().SetReadOnly(LogPath, true);
    unwritable.Load();
    unwritable.AddFiles({typical_job::A});
    unwritable.PressStartStop();
    ASSERT_TRUE(unwritable.RunUntilIdle(Hour));
    EXPECT_EQ(SourcesOn(unwritable.desktop->Disc()), Lines{typical_job::A});
    EXPECT_EQ(unwritable.desktop->Files().ReadFile(LogPath), "");
}

}  // namespace
}  // namespace velutreck
