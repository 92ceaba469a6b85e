// The Send to check box on the Settings tab: it shows whether the user's Send to folder holds a
// shortcut to this Velutreck.exe, makes and removes it, and asks before it replaces the shortcut of
// a copy in another folder.
#include <gtest/gtest.h>

#include "rehearsal/desktop/standard_desktop.h"
#include "support/sim_session.h"

namespace velutreck {
namespace {

const std::string SendTo = "C:\\Users\\Owner\\AppData\\Roaming\\Microsoft\\Windows\\SendTo";
const std::string Shortcut = SendTo + "\\Velutreck.lnk";
const std::string OtherCopy = "D:\\Old\\Velutreck.exe";

void Click(SimSession& session, Int16 value) {
    session.controls.chkSendTo.SetValue(value);
    session.form.chkSendTo_Click();
}

TEST(SendToMenu, TheBoxMakesTheShortcutToThisProgramAndRemovesItAgain) {
    SimSession session;
    session.Load();
    EXPECT_EQ(session.controls.chkSendTo.Value(), 0);

    Click(session, 1);
    EXPECT_EQ(session.shortcuts.Target(Shortcut), standard_desktop::ProgramFile);
    EXPECT_EQ(session.controls.chkSendTo.Value(), 1);

    SimSession next;
    next.desktop->Files().AddFile(Shortcut, session.desktop->Files().ReadFile(Shortcut).value());
    next.desktop->Files().AddFile(SendTo + "\\Notepad.lnk", "Shortcut to C:\\Windows\\notepad.exe");
    next.Load();
    EXPECT_EQ(next.controls.chkSendTo.Value(), 1);
    Click(next, 0);
    EXPECT_FALSE(next.desktop->Files().FileExists(Shortcut));
    EXPECT_TRUE(next.desktop->Files().FileExists(SendTo + "\\Notepad.lnk"));
    EXPECT_EQ(next.controls.chkSendTo.Value(), 0);
    EXPECT_TRUE(session.messageBoxes.Shown().empty());
    EXPECT_TRUE(next.messageBoxes.Shown().empty());
}

// Windows paths ignore letter case: a shortcut made by hand to "c:\program files\velutreck\..." is
// this copy's, shown checked, kept without a question and removed when the box is cleared.
TEST(SendToMenu, AShortcutToThisProgramInOtherLetterCaseIsItsOwn) {
    SimSession session;
    session.desktop->Files().AddFile(Shortcut, "Shortcut to c:\\program files\\velutreck\\VELUTRECK.EXE");
    session.Load();
    EXPECT_EQ(session.controls.chkSendTo.Value(), 1);

    Click(session, 1);
    EXPECT_EQ(session.shortcuts.Target(Shortcut), "c:\\program files\\velutreck\\VELUTRECK.EXE");
    Click(session, 0);
    EXPECT_FALSE(session.desktop->Files().FileExists(Shortcut));
    EXPECT_TRUE(session.messageBoxes.Shown().empty());
}

TEST(SendToMenu, AnotherCopysShortcutIsReplacedOnlyWhenTheUserSaysYes) {
    SimSession session;
    session.desktop->Files().AddFile(Shortcut, "Shortcut to " + OtherCopy);
    session.Load();
    EXPECT_EQ(session.controls.chkSendTo.Value(), 0);

    // Cancel is what a box that could not be shown answers.
    for (const MessageBoxAnswer answer : {MessageBoxAnswer::No, MessageBoxAnswer::Cancel}) {
        session.messageBoxes.AnswerNext(answer);
        Click(session, 1);
        EXPECT_EQ(session.shortcuts.Target(Shortcut), OtherCopy);
        EXPECT_EQ(session.controls.chkSendTo.Value(), 0);
    }
    ASSERT_EQ(session.messageBoxes.Shown().size(), 2u);
    const ShownMessage& question = session.messageBoxes.Shown()[0];
    EXPECT_EQ(question.text, "Explorer's Send to menu already shows a Velutreck that starts D:\\Old\\Velutreck.exe. "
                             "Let it start this copy, C:\\Program Files\\Velutreck\\Velutreck.exe, instead?");
    EXPECT_EQ(question.style, MessageBoxStyle::YesNoQuestion);
    EXPECT_EQ(question.title, "Velutreck");

    session.messageBoxes.AnswerNext(MessageBoxAnswer::Yes);
    Click(session, 1);
    EXPECT_EQ(session.shortcuts.Target(Shortcut), standard_desktop::ProgramFile);
    EXPECT_EQ(session.controls.chkSendTo.Value(), 1);

    // Made again by hand meanwhile: clearing the box removes only a shortcut to this program.
    session.shortcuts.Create(Shortcut, OtherCopy);
    Click(session, 0);
    EXPECT_EQ(session.shortcuts.Target(Shortcut), OtherCopy);
    EXPECT_EQ(session.messageBoxes.Shown().size(), 3u);
}

TEST(SendToMenu, AShortcutThatCannotBeMadeIsReportedAndTheBoxStaysClear) {
    SimSession session;
    session.desktop->Files().CreateFolder(SendTo);
    session.desktop->Files().SetWritesRefused(SendTo, true);
    session.Load();
    Click(session, 1);
    ASSERT_EQ(session.messageBoxes.Shown().size(), 1u);
    EXPECT_TRUE(session.messageBoxes.Shown()[0].text.starts_with("Error: Cannot write"));
    EXPECT_EQ(session.messageBoxes.Shown()[0].style, MessageBoxStyle::Critical);
    EXPECT_EQ(session.controls.chkSendTo.Value(), 0);
}

}  // namespace
}  // namespace velutreck
