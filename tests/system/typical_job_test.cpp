// Whole jobs with the default settings, run in virtual time against the stand-ins, also where
// 64-bit Windows installed the 32-bit programs.
#include <set>
#include <stdexcept>

#include <gtest/gtest.h>

#include "rehearsal/desktop/standard_desktop.h"
#include "rehearsal/standins/image_drive_stand_in.h"
#include "rehearsal/standins/mini_disc.h"
#include "rehearsal/standins/simple_burner_stand_in.h"
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
    EXPECT_FALSE(session.desktop->Files().FileExists("C:\\Temp\\~TmpVelutreck.nrg"));
    EXPECT_EQ(session.Caption(), "Velutreck");
    EXPECT_EQ(session.controls.btnStartStop.Caption(), "&Start");
    EXPECT_TRUE(session.controls.lstAudioFiles.Enabled());
    EXPECT_FALSE(session.controls.tmrMaster.Enabled());
    EXPECT_EQ(session.messageBoxes.Shown().size(), 1u);  // the checklist, and nothing else
}

// ImageDrive and Simple Burner are 32-bit programs: on 64-bit Windows they are not where the
// default paths look.
TEST(TypicalJob, ProgramsUnderProgramFilesX86AreFoundAtStartUpAndRecordTheDisc) {
    SimSession session;
    SimDesktop& desktop = *session.desktop;
    const std::string imageDrive = "C:\\Program Files (x86)\\ahead\\ImageDrive\\ImageDrive.exe";
    const std::string simpleBurner = "C:\\Program Files (x86)\\Sony\\Net MD Simple Burner\\NetMDSB.exe";
    desktop.InstallProgram(imageDrive, [] { return std::make_unique<ImageDriveStandIn>(StandInOptions{}); });
    desktop.InstallProgram(simpleBurner, [] { return std::make_unique<SimpleBurnerStandIn>(StandInOptions{}); });
    desktop.Files().DeleteFile(standard_desktop::ImageDrivePath);
    desktop.Files().DeleteFile(standard_desktop::SimpleBurnerPath);
    session.settings.ClearWrites();
    session.Load();
    EXPECT_EQ(session.controls.txtImageDrive.Text(), imageDrive);
    EXPECT_EQ(session.controls.txtSimpleBurner.Text(), simpleBurner);
    EXPECT_TRUE(session.settings.Writes().empty());

    session.AddFiles({A});
    session.PressStartStop();
    ASSERT_TRUE(session.RunUntilIdle(Hour));
    EXPECT_EQ(SourcesOn(desktop.Disc()), (std::vector<std::string>{A}));
    EXPECT_EQ(session.settings.ReadSetting("Velutreck", "Settings", "ImageDrive", ""), imageDrive);
    EXPECT_EQ(session.settings.ReadSetting("Velutreck", "Settings", "SimpleBurner", ""), simpleBurner);
}

// A second copy's items, taken while a box was open and not yet added when Start was pressed,
// neither join the job nor get lost: the job's end adds them.
TEST(TypicalJob, ItemsHandedOverBeforeStartAreAddedWhenTheJobEnds) {
    SimSession session;
    session.Load();
    session.AddTypicalList();
    ASSERT_EQ(session.form.ItemsHandedOver({A}), HandOverOutcome::Taken);
    session.PressStartStop();
    ASSERT_TRUE(session.RunUntil([&] { return session.form.Engine().JobState() == 26; }, Hour));
    EXPECT_TRUE(session.ListEntries().empty());
    ASSERT_TRUE(session.RunUntilIdle(Hour));

    EXPECT_EQ(SourcesOn(session.desktop->Disc()), (std::vector<std::string>{A, B, C}));
    EXPECT_EQ(session.ListEntries(), (std::vector<std::string>{"---Break---", A}));
    EXPECT_EQ(session.messageBoxes.Shown().size(), 1u);
}

// Every status of the job in order: each group's steps, and none where a step has no status.
TEST(TypicalJob, TheCaptionTellsEachStepInTurn) {
    SimSession session;
    session.Load();
    session.AddTypicalList();
    session.controls.form.captions.clear();
    session.PressStartStop();
    ASSERT_TRUE(session.RunUntilIdle(Hour));

    const std::vector<std::string> group = {"Starting Nero", "Adding Files to Nero Project", "Writing Nero Image",
                                            "Closing Nero", "Loading Image", "Starting Simple Burner", "Recording",
                                            "Closing Simple Burner", "Ejecting Temp Image", "Deleting Temp Image"};
    std::vector<std::string> statuses = {"Starting", "Ejecting Image", "Deleting Temp Image", "Starting Simple Burner",
                                         "Erasing MiniDisc", "Closing Simple Burner"};
    statuses.insert(statuses.end(), group.begin(), group.end());
    statuses.insert(statuses.end(), group.begin(), group.end());
    statuses.insert(statuses.end(), {"Starting Simple Burner", "Editing Disc and Track Names", "Closing Simple Burner"});
    std::vector<std::string> captions;
    for (const std::string& status : statuses) {
        captions.push_back(status + " - Velutreck");
    }
    captions.push_back("Velutreck");
    EXPECT_EQ(session.controls.form.captions, captions);
}

// A running job locks what would change the list or the settings under it, and nothing else. The
// letters-only box is locked too, but the naming rule, applied after the lock, has the last word
// on it, as on the track-naming box: both stay clickable while erasing and naming are on.
TEST(TypicalJob, TheJobLocksTheListAndTheSettingsAndUnlocksThemAtItsEnd) {
    SimSession session;
    session.Load();
    session.AddTypicalList();
    const std::set<ControlId> locked = {
        ControlId::chkAutoBreak,   ControlId::txtDiscName,        ControlId::lstAudioFiles,
        ControlId::btnAdd,         ControlId::btnInsertBreak,     ControlId::btnRemove,
        ControlId::btnRemoveAll,   ControlId::btnUp,              ControlId::btnDown,
        ControlId::txtAudioProject, ControlId::btnBrowseForAudioProject, ControlId::txtTempFolder,
        ControlId::btnBrowseForTempFolder, ControlId::txtImageDrive, ControlId::btnBrowseForImageDrive,
        ControlId::txtSimpleBurner, ControlId::btnBrowseForSimpleBurner, ControlId::cboCompression,
        ControlId::txtPause,       ControlId::chkErase,           ControlId::btnQuit,
        ControlId::btnReadme,      ControlId::chkSendTo,          ControlId::cboDiscLength,
    };
    const auto expectLocked = [&](bool duringJob) {
        for (auto id = ControlId::SSTab1; id <= ControlId::cboDiscLength;
             id = static_cast<ControlId>(static_cast<int>(id) + 1)) {
            try {
                EXPECT_EQ(session.controls.ControlFor(id).Enabled(), !(duringJob && locked.contains(id)))
                    << static_cast<int>(id);
            } catch (const std::out_of_range&) {
                // a control the form in memory does not have
            }
        }
    };
    expectLocked(false);
    session.PressStartStop();
    ASSERT_TRUE(session.RunUntil([&] { return session.form.Engine().JobState() == 12; }, Hour));
    expectLocked(true);
    ASSERT_TRUE(session.RunUntilIdle(Hour));
    expectLocked(false);
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

}  // namespace
}  // namespace velutreck
