// frmMain's start-up, shutdown and the handlers outside a job, on in-memory controls.
#include <gtest/gtest.h>

#include <algorithm>

#include "app/settings.h"
#include "rehearsal/desktop/standard_desktop.h"
#include "tracklist/context_menu.h"
#include "support/sim_session.h"

namespace velutreck {
namespace {

TEST(FormLoad, AnEmptyStoreShowsEveryDefaultAndWritesNothing) {
    SimSession session;
    session.settings.ClearWrites();
    session.Load();
    const MemoryForm& window = session.controls;
    // The stored values themselves are the settings' own tests' concern.
    EXPECT_EQ(window.txtPause.Text(), "30");
    EXPECT_EQ(window.cboCompression.Item(window.cboCompression.ListIndex()), "LP4");
    EXPECT_TRUE(window.chkOnlyAlpha.Enabled());
    EXPECT_EQ(window.lblAppName.Caption(), "Velutreck (2003.04.15)");
    EXPECT_EQ(window.lblAppName2.Caption(), "Velutreck (2003.04.15)");
    EXPECT_NE(window.lblCopyright.Caption().find("\r\n"), std::string::npos);
    EXPECT_EQ(window.btnStartStop.ToolTipText(), "Save settings and write audio files to MiniDisc");
    EXPECT_EQ(window.btnReadme.ToolTipText(), "View Readme.txt");
    EXPECT_EQ(window.chkErase.ToolTipText(), "Erase MiniDisc before writing audio files; does not work with protected tracks!");
    EXPECT_EQ(window.txtDiscName.ToolTipText(), "");
    EXPECT_EQ(session.bubbleTips.calls, (std::vector<std::string>{"Install", "SetMaxWidth 400"}));
    EXPECT_TRUE(session.settings.Writes().empty());
    EXPECT_TRUE(session.messageBoxes.Shown().empty());
}

// The window shows as soon as its values and captions are in; the tooltips and the Send to box,
// which reads the shell's Send to folder, follow once, before the user can touch the window.
TEST(FormLoad, TheWindowShowsWithItsValuesAndTheTooltipsAndTheSendToBoxFollowOnce) {
    SimSession session;
    session.desktop->Files().AddFile("C:\\Users\\Owner\\AppData\\Roaming\\Microsoft\\Windows\\SendTo\\Velutreck.lnk",
                                     "Shortcut to " + standard_desktop::ProgramFile);
    session.form.Form_Load();
    EXPECT_EQ(session.controls.lblAppName.Caption(), "Velutreck (2003.04.15)");
    EXPECT_EQ(session.controls.txtPause.Text(), "30");
    EXPECT_EQ(session.controls.chkSendTo.Value(), 0);
    EXPECT_EQ(session.controls.btnStartStop.ToolTipText(), "");
    EXPECT_TRUE(session.bubbleTips.calls.empty());

    session.form.FinishStartUp();
    session.form.FinishStartUp();
    EXPECT_EQ(session.controls.chkSendTo.Value(), 1);
    EXPECT_EQ(session.controls.btnStartStop.ToolTipText(), "Save settings and write audio files to MiniDisc");
    EXPECT_EQ(session.bubbleTips.calls, (std::vector<std::string>{"Install", "SetMaxWidth 400"}));
    EXPECT_TRUE(session.messageBoxes.Shown().empty());
}

TEST(FormLoad, StoredChoicesApplyAndTheNamingRuleFollowsThem) {
    SimSession session;
    session.settings.WriteSetting("Velutreck", "Settings", "Compression", "0");
    session.settings.WriteSetting("Velutreck", "Settings", "EraseMiniDisc", "0");
    session.Load();
    EXPECT_EQ(session.controls.cboCompression.ListIndex(), 0);
    EXPECT_EQ(session.controls.chkNameTracks.Value(), 1);
    EXPECT_FALSE(session.controls.chkNameTracks.Enabled());
    EXPECT_FALSE(session.controls.chkOnlyAlpha.Enabled());

    session.controls.chkErase.SetValue(1);
    session.form.chkErase_Click();
    EXPECT_TRUE(session.controls.chkNameTracks.Enabled());
    EXPECT_TRUE(session.controls.chkOnlyAlpha.Enabled());
    session.controls.chkNameTracks.SetValue(0);
    session.form.chkNameTracks_Click();
    EXPECT_FALSE(session.controls.chkOnlyAlpha.Enabled());
    EXPECT_EQ(session.controls.chkOnlyAlpha.Value(), 1);
}

// Only a program missing from Program Files is taken from Program Files (x86), and only from there.
TEST(FormLoad, ProgramPathsThatExistOrAreMissingUnderBothProgramFilesAreShownAsStored) {
    SimSession session;
    session.desktop->Files().AddFile("C:\\Program Files (x86)\\ahead\\ImageDrive\\ImageDrive.exe", "older copy");
    session.desktop->Files().AddFile("C:\\Program Files (x86)\\Sony\\Other\\NetMDSB.exe", "program");
    session.settings.WriteSetting("Velutreck", "Settings", "SimpleBurner", "C:\\Program Files\\Sony\\NetMDSB.exe");
    session.Load();
    EXPECT_EQ(session.controls.txtImageDrive.Text(), standard_desktop::ImageDrivePath);
    EXPECT_EQ(session.controls.txtSimpleBurner.Text(), "C:\\Program Files\\Sony\\NetMDSB.exe");
}

TEST(FormLoad, ASecondCopyIsRefusedBeforeItShowsAndSavesNothing) {
    SimSession session;
    session.instanceCheck.anotherInstance = true;
    session.settings.ClearWrites();
    session.Load();
    ASSERT_EQ(session.messageBoxes.Shown().size(), 1u);
    EXPECT_EQ(session.messageBoxes.Shown()[0].text,
              "There is already one copy of this program running, and you may not start another one.");
    EXPECT_EQ(session.messageBoxes.Shown()[0].style, MessageBoxStyle::Critical);
    EXPECT_EQ(session.messageBoxes.Shown()[0].title, "Velutreck");
    EXPECT_TRUE(session.controls.form.Unloaded());
    EXPECT_EQ(session.bubbleTips.calls, (std::vector<std::string>{"Remove"}));
    EXPECT_TRUE(session.settings.Writes().empty());
}

// The window shows before the items are added, so that a message about them comes over it.
TEST(FormLoad, ItemsOnTheCommandLineAreAddedOnceTheWindowShowsOrHandedOverByASecondCopy) {
    SimSession first;
    first.desktop->Files().AddFile("C:\\Drop\\2.mp3", "");
    first.desktop->Files().AddFile("C:\\Drop\\10.mp3", "");
    first.desktop->Files().AddFile("C:\\Drop\\notes.txt", "");
    first.form.Form_Load({"Drop\\10.mp3", "C:\\Drop\\2.mp3", "C:\\Drop\\notes.txt"});
    EXPECT_TRUE(first.ListEntries().empty());
    EXPECT_TRUE(first.messageBoxes.Shown().empty());
    first.form.AddWaitingItems();
    EXPECT_EQ(first.ListEntries(), (std::vector<std::string>{"---Break---", "C:\\Drop\\2.mp3", "C:\\Drop\\10.mp3"}));
    ASSERT_EQ(first.messageBoxes.Shown().size(), 1u);
    EXPECT_EQ(first.messageBoxes.Shown()[0].text,
              "1 item was skipped:\nNot audio files: 1\n\nC:\\Drop\\notes.txt (not an audio file)");
    first.form.AddWaitingItems();
    EXPECT_EQ(first.ListEntries().size(), 3u);
    EXPECT_TRUE(first.instanceCheck.handedOver.empty());

    struct Case {
        HandOverOutcome outcome;
        std::vector<std::string> items;
        std::string message;  // empty: none
    };
    const std::string busy = "Velutreck is writing to a MiniDisc at the moment, so it cannot take these files now. "
                             "Please add them when the job has finished.";
    const std::string refused = "There is already one copy of this program running, and you may not start another one.";
    for (const Case& second : std::vector<Case>{{HandOverOutcome::Taken, {"Drop\\..\\Drop", "http://x/y.mp3"}, ""},
                                                {HandOverOutcome::Busy, {"C:\\Drop"}, busy},
                                                {HandOverOutcome::NotReached, {"C:\\Drop"}, refused},
                                                {HandOverOutcome::Taken, {}, refused}}) {
        SimSession session;
        session.instanceCheck.anotherInstance = true;
        session.instanceCheck.handOverOutcome = second.outcome;
        session.Load(second.items);
        EXPECT_TRUE(session.controls.form.Unloaded());
        EXPECT_TRUE(session.ListEntries().empty());
        if (second.items.empty()) {
            EXPECT_TRUE(session.instanceCheck.handedOver.empty());
        } else if (second.outcome == HandOverOutcome::Taken) {
            EXPECT_EQ(session.instanceCheck.handedOver,
                      (std::vector<std::vector<std::string>>{{"C:\\Drop", "http://x/y.mp3"}}));
        }
        if (second.message.empty()) {
            EXPECT_TRUE(session.messageBoxes.Shown().empty());
        } else {
            ASSERT_EQ(session.messageBoxes.Shown().size(), 1u);
            EXPECT_EQ(session.messageBoxes.Shown()[0].text, second.message);
            EXPECT_EQ(session.messageBoxes.Shown()[0].style,
                      second.outcome == HandOverOutcome::Busy ? MessageBoxStyle::Information : MessageBoxStyle::Critical);
        }
    }
}

TEST(FormHandlers, ADropAddsItsBatchesAndTellsOfSkippedItemsButIsRefusedDuringAJob) {
    SimSession session;
    session.Load();
    session.controls.chkAutoBreak.SetValue(0);
    session.desktop->Files().AddFile("C:\\Drop\\notes.txt", "");
    session.form.FilesDropped({typical_job::C, "C:\\Drop\\notes.txt", typical_job::A});
    EXPECT_EQ(session.ListEntries(), (std::vector<std::string>{typical_job::A, typical_job::C}));
    ASSERT_EQ(session.messageBoxes.Shown().size(), 1u);
    EXPECT_EQ(session.messageBoxes.Shown()[0].text,
              "1 item was skipped:\nNot audio files: 1\n\nC:\\Drop\\notes.txt (not an audio file)");
    EXPECT_EQ(session.messageBoxes.Shown()[0].style, MessageBoxStyle::Information);
    EXPECT_EQ(session.messageBoxes.Shown()[0].title, "Velutreck");
    // The window paints before each step of a walk, which runs on its thread: the item, its folder.
    const int paints = session.controls.form.paints;
    session.form.FilesDropped({"C:\\Drop"});
    EXPECT_EQ(session.controls.form.paints, paints + 2);

    session.PressStartStop();
    ASSERT_TRUE(session.IsRunning());
    const std::size_t shown = session.messageBoxes.Shown().size();
    session.form.FilesDropped({typical_job::B, "C:\\Drop\\notes.txt"});
    EXPECT_EQ(session.ListEntries(), (std::vector<std::string>{typical_job::A, typical_job::C}));
    EXPECT_EQ(session.messageBoxes.Shown().size(), shown);
}

// A second copy waits for the answer, so its items are only noted; the window adds them when it is
// idle. Start may come first: then the job's end adds them, whichever way it ends.
TEST(FormHandlers, ItemsTakenFromASecondCopyAreAddedEvenWhenStartCameFirst) {
    SimSession session;
    session.Load();
    session.controls.chkAutoBreak.SetValue(0);
    session.AddFiles({typical_job::A});
    EXPECT_EQ(session.form.ItemsHandedOver({typical_job::B}), HandOverOutcome::Taken);
    EXPECT_EQ(session.ListEntries(), (std::vector<std::string>{typical_job::A}));

    session.PressStartStop();
    session.form.AddWaitingItems();
    EXPECT_EQ(session.ListEntries(), (std::vector<std::string>{typical_job::A}));
    EXPECT_EQ(session.form.ItemsHandedOver({"C:\\Drop"}), HandOverOutcome::Busy);
    session.PressStartStop();
    EXPECT_EQ(session.ListEntries(), (std::vector<std::string>{typical_job::A, typical_job::B}));

    EXPECT_EQ(session.form.ItemsHandedOver({typical_job::C}), HandOverOutcome::Taken);
    session.messageBoxes.AnswerNext(MessageBoxAnswer::Cancel);
    session.PressStartStop();
    ASSERT_TRUE(session.RunUntilIdle(Hour));
    EXPECT_EQ(session.ListEntries(), (std::vector<std::string>{typical_job::A, typical_job::B, typical_job::C}));
}

TEST(FormHandlers, QuitLosesEditsAndHelpOpensThePageBesideTheProgram) {
    SimSession session;
    session.Load();
    session.controls.txtTempFolder.SetText("D:\\Work\\");
    session.form.btnReadme_Click();
    const std::vector<std::string> lines = session.desktop->Transcript().Texts();
    ASSERT_GE(lines.size(), 2u);  // the shell's call, and its note that no help page is there
    EXPECT_EQ(lines[lines.size() - 2],
              "ShellOpen(" + std::to_string(session.desktop->OwnWindow()) +
                  ", \"C:\\Program Files\\Velutreck\\Velutreck.html\", \"\")");
    session.form.btnQuit_Click();
    EXPECT_TRUE(session.controls.form.Unloaded());
    EXPECT_TRUE(session.settings.Writes().empty());
}

TEST(FormHandlers, StartAndStopSaveEverySettingEachTime) {
    SimSession session;
    session.Load();
    session.controls.txtAudioProject.SetText("");
    session.controls.txtPause.SetText("45");
    session.settings.ClearWrites();
    session.PressStartStop();
    session.PressStartStop();
    ASSERT_EQ(session.settings.Writes().size(), 2 * SettingRows.size());
    EXPECT_EQ(session.settings.Writes()[0].key, "AudioProject");
    EXPECT_EQ(session.settings.Writes()[0].value, "");
    EXPECT_EQ(session.settings.Writes()[5].value, "45");
    EXPECT_EQ(session.form.Engine().JobState(), 1);
}

TEST(FormHandlers, TheContextMenuActsOnThePreviousSelectionAndFailuresAreShown) {
    SimSession session;
    session.Load();
    session.controls.chkAutoBreak.SetValue(0);
    session.AddFiles({"C:\\Music\\A.mp3", "C:\\Music\\B.mp3", "C:\\Music\\C.mp3"});
    EXPECT_TRUE(frmMain::OpensContextMenu(2));
    EXPECT_FALSE(frmMain::OpensContextMenu(1));
    // The menu's entries by their captions, as the user picks them.
    const auto pick = [&](std::string_view caption) {
        const auto entry = std::ranges::find(ContextMenuEntries, caption, &MenuEntry::caption);
        ASSERT_NE(entry, ContextMenuEntries.end());
        session.form.TrackListCommand_Click(entry->command.value());
    };
    session.controls.lstAudioFiles.SetSelectedIndex(1);
    pick("Shift Up");
    EXPECT_EQ(session.ListEntries(), (std::vector<std::string>{"C:\\Music\\B.mp3", "C:\\Music\\A.mp3", "C:\\Music\\C.mp3"}));
    pick("Shift Down");
    pick("Shift Down");
    EXPECT_EQ(session.ListEntries(), (std::vector<std::string>{"C:\\Music\\A.mp3", "C:\\Music\\C.mp3", "C:\\Music\\B.mp3"}));
    session.controls.lstAudioFiles.SetSelectedIndex(0);
    pick("Remove");
    EXPECT_EQ(session.ListEntries(), (std::vector<std::string>{"C:\\Music\\C.mp3", "C:\\Music\\B.mp3"}));

    session.commonDialog.Script({DialogOutcome::AnswerTooLong, "", std::nullopt});
    pick("Add...");
    ASSERT_EQ(session.messageBoxes.Shown().size(), 1u);
    EXPECT_EQ(session.messageBoxes.Shown()[0].text.rfind("Error: ", 0), 0u);
    EXPECT_EQ(session.ListEntries().size(), 2u);
}

}  // namespace
}  // namespace velutreck
