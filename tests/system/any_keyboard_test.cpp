// Whole jobs on the keyboards real users have: layouts with dead keys, layouts without Latin
// letters, an input method switched on, and Caps Lock under the setting that lets only Shift turn
// it off. Paths, the disc name and the track names arrive exactly, the menus and the erase
// confirmation open, the log reports what happened, and the user's keyboard is as it was.
#include <algorithm>

#include <gtest/gtest.h>

#include "rehearsal/desktop/standard_desktop.h"
#include "rehearsal/standins/nero_stand_in.h"
#include "support/sim_session.h"
#include "tracklist/track_names.h"

namespace velutreck {
namespace {

using Lines = std::vector<std::string>;

// Every character that layouts put on dead keys, in a path, the temp folder and the disc name.
const std::string Accented = "C:\\Music\\D'Angelo\\A \"Live\" `1` ^~.mp3";
// Lower case first: Caps Lock left on would show at once.
const std::string Plain = "C:\\Music\\blue.mp3";
const std::string ShortTemp = "C:\\Users\\JOHNDO~1\\";
const std::string DiscName = "rock 'n' roll ~ \"Best\" ^_^ 33\xC2\xB0 live";

// The log's lines of what Nero was given, without their stamps.
Lines NeroOperations(const SimSession& session) {
    const std::string text =
        session.desktop->Files().ReadFile(standard_desktop::LogFolder + "\\Velutreck.log").value_or("");
    Lines operations;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = text.find("\r\n", start);
        const std::string line = text.substr(start, end - start);
        for (const char* operation : {"NeroAddFile ", "NeroSaveImageFile "}) {
            if (const std::size_t at = line.find(operation); at != std::string::npos) {
                operations.push_back(line.substr(at));
            }
        }
        start = end + 2;
    }
    return operations;
}

long TranscriptCount(const SimSession& session, const std::string& text) {
    const Lines lines = session.desktop->Transcript().Texts();
    return std::count_if(lines.begin(), lines.end(),
                         [&](const std::string& line) { return line.find(text) != std::string::npos; });
}


// The user's settings, two files in two groups, erase (unless said) and names on; Start pressed.
void StartJob(SimSession& session, bool erase = true) {
    session.desktop->Files().AddFile(Accented, "audio\n");
    session.desktop->Files().AddFile(Plain, "audio\n");
    session.desktop->Files().CreateFolder(ShortTemp);
    session.settings.WriteSetting("Velutreck", "Settings", "TempFolder", ShortTemp);
    session.Load();
    session.controls.txtDiscName.SetText(DiscName);
    session.controls.chkErase.SetValue(erase ? 1 : 0);
    session.AddFiles({Accented});
    session.AddFiles({Plain});
    session.PressStartStop();
}

void RunJob(SimSession& session) {
    StartJob(session);
    ASSERT_TRUE(session.RunUntilIdle(Hour));
}

void ExpectExactDisc(const SimSession& session, const std::string& context) {
    const MiniDisc& disc = session.desktop->Disc();
    EXPECT_EQ(SourcesOn(disc), (Lines{Accented, Plain})) << context;
    EXPECT_EQ(disc.title, DiscName) << context;
    EXPECT_EQ(RowTitles(disc), (Lines{MakeTrackName(Accented, true, 12), MakeTrackName(Accented, true, 12),
                                      MakeTrackName(Plain, true, 12), MakeTrackName(Plain, true, 12)}))
        << context;
    EXPECT_TRUE(session.ListEntries().empty()) << context;
    EXPECT_EQ(NeroOperations(session),
              (Lines{"NeroAddFile " + Accented + ": ok", "NeroSaveImageFile " + ShortTemp + "~TmpVelutreck.nrg: ok",
                     "NeroAddFile " + Plain + ": ok", "NeroSaveImageFile " + ShortTemp + "~TmpVelutreck.nrg: ok"}))
        << context;
    EXPECT_FALSE(TranscriptHas(session, "stray key")) << context;
    EXPECT_FALSE(TranscriptHas(session, "cannot find")) << context;
}

// Typed as keys on these layouts, "D'Angelo" would reach Nero as "DÁngelo", a file it cannot find.
// Polish (Programmers) has its one dead key on Shift and Hungarian all of its on AltGr, where only
// Windows 10's way of asking tells them: "~ " would arrive as "~" and "° " as "°".
TEST(AnyKeyboard, DeadKeysAtAnyLevelOfAnyLayoutNeverTouchPathsOrNames) {
    for (SimLayout layout :
         {SimLayout::UsInternational, SimLayout::French, SimLayout::PolishProgrammers, SimLayout::Hungarian}) {
        SimSession session;
        session.desktop->SetLayout(layout);
        RunJob(session);
        ExpectExactDisc(session, LayoutName(layout));
    }
}

// The input language as the user meets it: in Velutreck's window, in another program's and in a
// program started later. One per window, the user has given Velutreck and the other program a
// French layout.
class UsersLanguage {
public:
    UsersLanguage(SimSession& session, bool perWindow) : desktop_(*session.desktop) {
        desktop_.SetLayout(SimLayout::Russian);
        desktop_.SetInstalledLayouts({SimLayout::Russian, SimLayout::UnitedStates, SimLayout::French});
        desktop_.SetLanguagePerWindow(perWindow);
        other_ = desktop_.TaskOf(desktop_.AddBystander("Notepad"));
        if (perWindow) {
            desktop_.SetLayoutOf(other_, SimLayout::French);
            desktop_.SetLayoutOf(desktop_.TaskOf(desktop_.OwnWindow()), SimLayout::French);
        }
        desktop_.UserActivates(desktop_.OwnWindow());
        before_ = Now();
    }
    Lines Now() const {
        constexpr TaskId Later = 1000;
        return {LayoutName(desktop_.LayoutOf(desktop_.TaskOf(desktop_.OwnWindow()))),
                LayoutName(desktop_.LayoutOf(other_)), LayoutName(desktop_.LayoutOf(Later))};
    }
    void ExpectUnchanged(const std::string& context) const { EXPECT_EQ(Now(), before_) << context; }

private:
    SimDesktop& desktop_;
    TaskId other_ = 0;
    Lines before_;
};

std::string Setting(bool perWindow) { return perWindow ? "one language per window" : "one language for the desktop"; }

// Alt and the key named E reach a Russian Nero as Alt+"у": its Edit menu would never open, the
// path would go into the main window and the job would wait for ever at "Writing Nero Image". The
// programs are switched to a Latin layout for the shortcuts; since Windows 8 that switches the whole
// desktop unless the user chose one language per window, and the "%n" that ends Nero takes its
// window away: the user's language is given back through whichever window has the focus then.
TEST(AnyKeyboard, OnALayoutWithoutLatinLettersMenusOpenAndTheUsersLanguageIsTheSameAfterTheJob) {
    for (bool perWindow : {false, true}) {
        SimSession session;
        const UsersLanguage language(session, perWindow);
        RunJob(session);
        ExpectExactDisc(session, Setting(perWindow));
        language.ExpectUnchanged(Setting(perWindow));
        // Simple Burner's erase and Nero's ten shortcuts.
        EXPECT_EQ(TranscriptCount(session, " types on the US layout"), 11) << Setting(perWindow);
    }
}

// Stopped once Nero has ended for the first group; ended by a failure at Simple Burner's start,
// which comes after Nero's first group when the disc is not erased; and keys given up on while
// Nero is busy for 20 s after each shortcut in its main window.
TEST(AnyKeyboard, TheUsersLanguageIsTheSameAfterAStopAndAfterAFailure) {
    for (bool perWindow : {false, true}) {
        SimSession busy;
        busy.desktop->SetBusyAfterKey(NeroMainTitle, NamedKey::None, 20'000);
        const UsersLanguage busyLanguage(busy, perWindow);
        StartJob(busy);
        busy.RunUntilIdle(Hour);
        EXPECT_TRUE(TranscriptHas(busy, "Type(\"%el\") gave up"));
        if (busy.IsRunning()) {
            busy.PressStartStop();
        }
        busyLanguage.ExpectUnchanged("busy, " + Setting(perWindow));

        SimSession stopped;
        const UsersLanguage stoppedLanguage(stopped, perWindow);
        StartJob(stopped);
        ASSERT_TRUE(stopped.RunUntil([&] { return TranscriptHas(stopped, "Type(\"%n\")"); }, Hour));
        stopped.RunFor(2'000);
        stopped.PressStartStop();
        EXPECT_FALSE(stopped.IsRunning());
        stoppedLanguage.ExpectUnchanged("Stop, " + Setting(perWindow));

        SimSession failed;
        failed.desktop->MarkRunAsAdministrator(standard_desktop::SimpleBurnerPath);
        const UsersLanguage failedLanguage(failed, perWindow);
        StartJob(failed, false);
        ASSERT_TRUE(failed.RunUntilIdle(Hour));
        EXPECT_TRUE(TranscriptHas(failed, "Type(\"%n\")"));
        EXPECT_EQ(failed.messageBoxes.Shown().back().text.rfind("Error: Simple Burner", 0), 0u);
        failedLanguage.ExpectUnchanged("failure, " + Setting(perWindow));
    }
}

// A program that keeps its layout gets no shortcut at all: nothing is erased, no path goes into
// Nero's main window, the log names the failure and Stop leaves the list whole.
TEST(AnyKeyboard, AProgramThatKeepsALayoutWithoutLatinLettersGetsNoShortcutAndTheLogSaysSo) {
    SimSession session;
    session.desktop->SetLayout(SimLayout::Russian);
    session.desktop->SetLayoutSwitchRefused(true);
    const MiniDisc before = session.desktop->Disc();
    StartJob(session);
    ASSERT_FALSE(session.RunUntilIdle(Hour));
    EXPECT_EQ(session.Caption(), "Writing Nero Image - Velutreck");
    const WindowHandle nero = session.desktop->FindWindow(0, 0, std::nullopt, NeroMainTitle);
    ASSERT_NE(nero, 0u);
    EXPECT_EQ(session.desktop->TypedKeys(nero), Lines{});
    session.PressStartStop();
    EXPECT_FALSE(session.IsRunning());

    EXPECT_EQ(session.desktop->Disc(), before);
    EXPECT_EQ(session.ListEntries(), (Lines{Accented, "---Break---", Plain}));
    const Lines operations = NeroOperations(session);
    ASSERT_FALSE(operations.empty());
    EXPECT_EQ(operations.front().rfind("NeroAddFile " + Accented + ": failed, ignored: ", 0), 0u) << operations.front();
    EXPECT_FALSE(TranscriptHas(session, "stray key"));
}

// Windows 8 and later load a layout only for the program that has the focus: Velutreck cannot
// load one for Nero. Without a Latin layout installed, Start says what to install and runs nothing.
TEST(AnyKeyboard, WithoutALatinLayoutInstalledStartIsRefusedWithWhatToInstall) {
    SimSession session;
    session.desktop->SetLayout(SimLayout::Russian);
    session.desktop->SetInstalledLayouts({SimLayout::Russian});
    StartJob(session);
    session.RunFor(60'000);
    EXPECT_FALSE(session.IsRunning());
    EXPECT_EQ(session.messageBoxes.Shown().back().text,
              "Error: None of the keyboard layouts installed on this computer has Latin letters, which Velutreck "
              "needs for the shortcuts it types (Alt+E in Nero). Add one, such as US, in Windows' Settings under "
              "Time & language, then press Start again.");
    EXPECT_EQ(session.ListEntries(), (Lines{Accented, "---Break---", Plain}));
    EXPECT_FALSE(TranscriptHas(session, "StartProgram"));
}

// An open Japanese input method would take every letter into its composition.
TEST(AnyKeyboard, AnOpenInputMethodIsClosedWhileVelutreckTypesAndOpenAgainAfter) {
    SimSession session;
    session.desktop->SetInputMethodsOpen(true);
    RunJob(session);
    ExpectExactDisc(session, "input method");
    EXPECT_GE(TranscriptCount(session, "input method closed"), 3);
    // Opened again after every sequence, but for the two "%n" that end Nero.
    EXPECT_EQ(TranscriptCount(session, "input method closed"), TranscriptCount(session, "input method opened") + 2);
}

// Where only Shift turns Caps Lock off, pressing Caps Lock leaves it on: the text then goes as
// Unicode, and Caps Lock is on after the job as before it, though Shift+End turned it off.
TEST(AnyKeyboard, WhenOnlyShiftTurnsOffCapsLockTextIsStillExactAndCapsLockStaysOn) {
    SimSession session;
    session.desktop->SetCapsLock(true);
    session.desktop->SetShiftTurnsOffCapsLock(true);
    RunJob(session);
    ExpectExactDisc(session, "Shift turns off Caps Lock");
    EXPECT_TRUE(session.desktop->CapsLockOn());
}

}  // namespace
}  // namespace velutreck
