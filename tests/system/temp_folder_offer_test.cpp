// The first run's temp folder, "C:\", which Windows protects from a user who is not administrator:
// Start offers Velutreck's own folder under the local application data instead. Yes makes it, puts
// it into the setting and runs the job with it; No ends the job as the refusal did, touching nothing.
#include <gtest/gtest.h>

#include "rehearsal/desktop/standard_desktop.h"
#include "support/sim_session.h"

namespace velutreck {
namespace {

using typical_job::A;
const std::string OwnFolder = "C:\\Users\\Owner\\AppData\\Local\\Velutreck\\Images\\";
const std::string Question = "Velutreck cannot write into C:\\, which Windows protects. Let it keep the temporary "
                             "image in a folder of its own, " + OwnFolder + ", instead?";

std::string StoredTempFolder(SimSession& session) {
    return session.settings.ReadSetting("Velutreck", "Settings", "TempFolder", "");
}

// The first run: nothing stored but the audio project, and a user Windows keeps out of "C:\".
void FirstRun(SimSession& session) {
    session.settings.WriteSetting("Velutreck", "Settings", "TempFolder", "C:\\");
    session.desktop->Files().SetWritesRefused("C:\\", true);
    session.Load();
    session.AddTypicalList();
}

bool ProgramTouched(const SimSession& session) {
    for (const std::string& line : session.desktop->Transcript().Texts()) {
        if (line.starts_with("StartProgram") || line.starts_with("ShellOpen") || line.starts_with("Type")) {
            return true;
        }
    }
    return false;
}

std::vector<std::string> Texts(const SimSession& session) {
    std::vector<std::string> texts;
    for (const ShownMessage& shown : session.messageBoxes.Shown()) {
        texts.push_back(shown.text);
    }
    return texts;
}

TEST(TempFolderOffer, YesMakesVelutrecksOwnFolderShowsAndSavesItAndTheJobRecordsThroughIt) {
    SimSession session;
    FirstRun(session);
    session.messageBoxes.AnswerNext(MessageBoxAnswer::Ok);
    session.messageBoxes.AnswerNext(MessageBoxAnswer::Yes);
    session.PressStartStop();
    ASSERT_TRUE(session.RunUntil([&] { return session.messageBoxes.Shown().size() == 2; }, Hour));

    const ShownMessage& asked = session.messageBoxes.Shown().back();
    EXPECT_EQ(asked.text, Question);
    EXPECT_EQ(asked.style, MessageBoxStyle::YesNoQuestion);
    EXPECT_EQ(asked.title, "Velutreck");
    EXPECT_TRUE(session.desktop->Files().FolderExists(OwnFolder));
    EXPECT_EQ(session.controls.txtTempFolder.Text(), OwnFolder);
    // Saved at once: a job that then runs to its end saves nothing more.
    EXPECT_EQ(StoredTempFolder(session), OwnFolder);

    ASSERT_TRUE(session.RunUntilIdle(10 * Hour));
    EXPECT_EQ(session.messageBoxes.Shown().size(), 2u);
    EXPECT_EQ(SourcesOn(session.desktop->Disc()), (std::vector<std::string>{A, typical_job::B, typical_job::C}));
    const std::vector<std::string> events = LogEvents(JobLogLines(session));
    const auto logged = [&](const std::string& event) {
        return std::find(events.begin(), events.end(), event) != events.end();
    };
    EXPECT_TRUE(logged("Answered Yes"));
    EXPECT_TRUE(logged("NeroSaveImageFile " + OwnFolder + "~TmpVelutreck.nrg: ok"));
    EXPECT_TRUE(logged("ImageDriveLoad " + OwnFolder + "~TmpVelutreck.nrg: ok"));
    EXPECT_TRUE(logged("Job is complete."));
    EXPECT_FALSE(session.desktop->Files().FileExists(OwnFolder + "~TmpVelutreck.nrg"));
}

TEST(TempFolderOffer, NoEndsTheJobBeforeAnyProgramWithNothingMadeNothingChangedAndTheListKept) {
    SimSession session;
    FirstRun(session);
    const std::vector<std::string> list = session.ListEntries();
    session.messageBoxes.AnswerNext(MessageBoxAnswer::Ok);
    session.messageBoxes.AnswerNext(MessageBoxAnswer::No);
    session.PressStartStop();
    ASSERT_TRUE(session.RunUntilIdle(Hour));

    EXPECT_EQ(Texts(session).size(), 2u);  // the checklist and the question, no error after it
    EXPECT_EQ(Texts(session).back(), Question);
    EXPECT_FALSE(session.desktop->Files().FolderExists("C:\\Users\\Owner\\AppData\\Local\\Velutreck\\Images"));
    EXPECT_EQ(session.controls.txtTempFolder.Text(), "C:\\");
    EXPECT_EQ(StoredTempFolder(session), "C:\\");
    EXPECT_EQ(session.ListEntries(), list);
    EXPECT_FALSE(session.IsRunning());
    EXPECT_FALSE(session.controls.tmrMaster.Enabled());
    EXPECT_TRUE(session.controls.txtTempFolder.Enabled());
    EXPECT_FALSE(ProgramTouched(session));
    EXPECT_EQ(LogEvents(JobLogLines(session)).back(), "Job was ended by the checks before it.");
}

// Where the own folder cannot be made or written either, or is the very folder that failed, or
// Windows does not say where the local application data is, an error says which folder failed.
TEST(TempFolderOffer, AnOwnFolderThatFailsTooOrCannotBeOfferedEndsTheJobWithAnErrorAndChangesNothing) {
    struct Case {
        std::string name;
        std::string tempFolder;
        std::function<void(SimFileSystem&)> arrange;
        std::vector<std::string> messages;  // after the checklist
    };
    const std::string notWritten = "Error: Velutreck cannot write into " + OwnFolder +
                                   ". Choose a folder of your own for the temporary image on the Settings tab.";
    const std::vector<Case> cases = {
        {"a file in its place", "C:\\",
         [](SimFileSystem& files) { files.AddFile("C:\\Users\\Owner\\AppData\\Local\\Velutreck\\Images", ""); },
         {Question, notWritten}},
        {"a folder refusing writes", "C:\\",
         [](SimFileSystem& files) {
             files.CreateFolder(OwnFolder);
             files.SetWritesRefused(OwnFolder, true);
         },
         {Question, notWritten}},
        {"the own folder failed", OwnFolder,
         [](SimFileSystem& files) {
             files.CreateFolder(OwnFolder);
             files.SetWritesRefused(OwnFolder, true);
         },
         {notWritten}},
        {"no local application data", "C:\\",
         [](SimFileSystem& files) { files.SetKnownFolder(KnownFolder::LocalAppData, ""); },
         {"Error: Velutreck cannot write into C:\\. Choose a folder of your own for the temporary image on the "
          "Settings tab."}},
    };
    for (const Case& test : cases) {
        SimSession session;
        test.arrange(session.desktop->Files());
        session.settings.WriteSetting("Velutreck", "Settings", "TempFolder", test.tempFolder);
        session.desktop->Files().SetWritesRefused("C:\\", true);
        session.Load();
        session.AddFiles({A});
        session.messageBoxes.AnswerNext(MessageBoxAnswer::Ok);
        session.messageBoxes.AnswerNext(MessageBoxAnswer::Yes);
        session.PressStartStop();
        ASSERT_TRUE(session.RunUntilIdle(Hour)) << test.name;

        std::vector<std::string> messages = Texts(session);
        messages.erase(messages.begin());
        EXPECT_EQ(messages, test.messages) << test.name;
        EXPECT_EQ(session.messageBoxes.Shown().back().style, MessageBoxStyle::Critical) << test.name;
        EXPECT_EQ(session.controls.txtTempFolder.Text(), test.tempFolder) << test.name;
        EXPECT_EQ(StoredTempFolder(session), test.tempFolder) << test.name;
        EXPECT_FALSE(session.IsRunning()) << test.name;
        EXPECT_FALSE(ProgramTouched(session)) << test.name;
    }
}

}  // namespace
}  // namespace velutreck
