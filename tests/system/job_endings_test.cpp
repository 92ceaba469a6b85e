// The ways a job ends other than by finishing: Cancel, nothing to do, failed checks (a writable temp
// folder passes them; one that is not is offered another), a temporary image that cannot be deleted,
// and a Simple Burner that never reports the end of a recording.
#include <gtest/gtest.h>

#include "rehearsal/desktop/standard_desktop.h"
#include "support/sim_session.h"

namespace velutreck {
namespace {

using typical_job::A;
using typical_job::C;
const std::string TempImage = "C:\\Temp\\~TmpVelutreck.nrg";

bool WindowIsIdle(const SimSession& session) {
    return session.controls.btnStartStop.Caption() == "&Start" && !session.controls.tmrMaster.Enabled() &&
           session.controls.lstAudioFiles.Enabled() && session.controls.btnQuit.Enabled() &&
           session.controls.txtPause.Enabled();
}

// The messages after the checklist's, in order.
std::vector<std::string> CheckMessages(const SimSession& session) {
    std::vector<std::string> texts;
    for (const ShownMessage& shown : session.messageBoxes.Shown()) {
        texts.push_back(shown.text);
    }
    if (!texts.empty()) {
        texts.erase(texts.begin());
    }
    return texts;
}

TEST(JobEndings, CancelAtTheChecklistTouchesNothingAndKeepsTheList) {
    SimSession session;
    session.Load();
    session.AddFiles({A});
    session.messageBoxes.AnswerNext(MessageBoxAnswer::Cancel);
    session.PressStartStop();
    ASSERT_TRUE(session.RunUntilIdle(Hour));

    ASSERT_EQ(session.messageBoxes.Shown().size(), 1u);
    const ShownMessage& checklist = session.messageBoxes.Shown()[0];
    EXPECT_EQ(checklist.style, MessageBoxStyle::OkCancelInformation);
    EXPECT_EQ(checklist.title, "Velutreck");
    EXPECT_EQ(checklist.text,
              "Before continuing, please...\r\n\r\n"
              "- Connect your NetMD unit and load a MiniDisc\r\n"
              "- Set Nero to write to ImageDrive (not your CD-ROM or DVD burner)\r\n"
              "- Close Nero, ImageDrive, and Simple Burner\r\n"
              "- Remove all audio CD's from your CD-ROM and DVD drives\r\n\r\n"
              "Don't use your keyboard and mouse while Velutreck is controlling other programs!");
    EXPECT_EQ(session.ListEntries(), (std::vector<std::string>{"---Break---", A}));
    EXPECT_EQ(session.Caption(), "Velutreck");
    EXPECT_EQ(session.form.Engine().JobState(), 1);
    EXPECT_TRUE(WindowIsIdle(session));
    EXPECT_TRUE(NoProgramTouched(session));
}

TEST(JobEndings, AListOfOnlyMarkersEmptiesAndEndsWithoutAMessage) {
    SimSession session;
    session.Load();
    session.controls.lstAudioFiles.Append("---Break---");
    session.controls.lstAudioFiles.Append("---Break---");
    session.PressStartStop();
    ASSERT_TRUE(session.RunUntilIdle(Hour));

    EXPECT_EQ(session.messageBoxes.Shown().size(), 1u);
    EXPECT_TRUE(session.ListEntries().empty());
    EXPECT_EQ(session.Caption(), "Starting - Velutreck");
    EXPECT_TRUE(WindowIsIdle(session));
    EXPECT_TRUE(NoProgramTouched(session));
}

TEST(JobEndings, FailingPathChecksShowTheirMessagesInOrderAndStopBeforeAnyProgram) {
    SimSession session;
    session.settings.WriteSetting("Velutreck", "Settings", "AudioProject", "(not specified)");
    session.settings.WriteSetting("Velutreck", "Settings", "TempFolder", "Q:\\");
    session.settings.WriteSetting("Velutreck", "Settings", "ImageDrive", "");
    session.settings.WriteSetting("Velutreck", "Settings", "SimpleBurner", "x");
    session.Load();
    session.AddFiles({A});
    session.PressStartStop();
    ASSERT_TRUE(session.RunUntilIdle(Hour));

    EXPECT_EQ(CheckMessages(session),
              (std::vector<std::string>{"Error: (not specified) does not exist.", "Error: Q:\\ does not exist.",
                                        "Error:  does not exist.", "Error: x does not exist."}));
    EXPECT_EQ(session.messageBoxes.Shown().back().style, MessageBoxStyle::Critical);
    EXPECT_EQ(session.messageBoxes.Shown().back().title, "Velutreck");
    EXPECT_EQ(session.Caption(), "Starting - Velutreck");
    EXPECT_EQ(session.ListEntries(), (std::vector<std::string>{A}));  // the leading marker went
    EXPECT_TRUE(WindowIsIdle(session));
    EXPECT_TRUE(NoProgramTouched(session));
    EXPECT_EQ(session.Ticks(), 1);
}

// Where Velutreck can write, any folder passes, the first run's C:\ among them, and one typed
// without its backslash, whose image goes into its parent as "Temp~TmpVelutreck.nrg".
TEST(JobEndings, AWritableTempFolderPassesTheCheckWhichLeavesNothingThere) {
    for (const std::string folder : {"C:\\Users\\Owner\\Documents\\MiniDisc\\", "C:\\", "C:\\Temp"}) {
        SimSession session;
        session.desktop->Files().CreateFolder(folder);
        session.settings.WriteSetting("Velutreck", "Settings", "TempFolder", folder);
        session.Load();
        session.AddFiles({A});
        session.PressStartStop();
        ASSERT_TRUE(session.RunUntil([&] { return session.form.Engine().JobState() > 1; }, Hour)) << folder;

        EXPECT_EQ(session.messageBoxes.Shown().size(), 1u) << folder;  // the checklist
        EXPECT_TRUE(session.IsRunning()) << folder;
        for (const std::string& path : session.desktop->Files().FilePaths()) {
            EXPECT_EQ(path.find("~TmpVelutreck"), std::string::npos) << path;
        }
    }
}

TEST(JobEndings, ALeftoverImageThatCannotBeDeletedEndsTheProgramAfterItsMessage) {
    SimSession session;
    session.desktop->Files().AddFile(TempImage, "old image");
    session.desktop->Files().SetReadOnly(TempImage, true);
    session.Load();
    session.AddFiles({A});
    session.PressStartStop();
    ASSERT_TRUE(session.RunUntil([&] { return session.controls.form.Unloaded(); }, Hour));

    ASSERT_EQ(session.messageBoxes.Shown().size(), 2u);
    EXPECT_EQ(session.messageBoxes.Shown()[1].text, "Error: Unable to delete C:\\Temp\\~TmpVelutreck.nrg");
    EXPECT_EQ(session.messageBoxes.Shown()[1].style, MessageBoxStyle::Critical);
    EXPECT_EQ(session.bubbleTips.calls.back(), "Remove");
    EXPECT_EQ(session.form.Engine().JobState(), 3);
    EXPECT_EQ(session.desktop->Taskbar().Now().state, TaskbarProgress::Error);
    const auto ticks = session.Ticks();
    session.RunFor(Hour);
    EXPECT_EQ(session.Ticks(), ticks);  // nothing further of the job runs
    EXPECT_TRUE(session.desktop->Files().FileExists(TempImage));
}

TEST(JobEndings, AnImageStillMountedAfterAGroupEndsTheProgramBetweenGroups) {
    SimSession session;
    // Without the empty image ImageDrive cannot let go of the temporary one.
    session.desktop->Files().DeleteFile(standard_desktop::EmptyImage);
    session.Load();
    session.AddFiles({A});
    session.AddFiles({C});
    session.PressStartStop();
    ASSERT_TRUE(session.RunUntil([&] { return session.controls.form.Unloaded(); }, Hour));

    EXPECT_EQ(session.messageBoxes.Shown().back().text, "Error: Unable to delete C:\\Temp\\~TmpVelutreck.nrg");
    EXPECT_EQ(session.form.Engine().JobState(), 21);
    EXPECT_EQ(session.desktop->Disc().groups.size(), 1u);
    EXPECT_EQ(session.ListEntries(), (std::vector<std::string>{"---Break---", C}));
}

TEST(JobEndings, ARecordingThatNeverCompletesWaitsUntilStop) {
    StandInOptions endless;
    endless.burnerRecordMs = 10 * Hour;
    SimSession session(endless);
    session.Load();
    session.AddFiles({A});
    session.PressStartStop();
    session.RunFor(3 * Hour);

    EXPECT_TRUE(session.IsRunning());
    EXPECT_EQ(session.form.Engine().JobState(), 18);
    EXPECT_EQ(session.Caption(), "Recording - Velutreck");
    session.PressStartStop();
    EXPECT_TRUE(WindowIsIdle(session));
    EXPECT_EQ(session.Caption(), "Recording - Velutreck");
    EXPECT_TRUE(session.desktop->Disc().groups.empty());
}

}  // namespace
}  // namespace velutreck
