// Whole jobs on the keyboards real users have: layouts with dead keys, layouts without Latin
// letters, an input method switched on, and Caps Lock under the setting that lets only Shift turn
// it off. Paths, the disc name and the track names arrive exactly, the menus and the erase
// confirmation open, the log reports what happened, and the user's keyboard is as it was.
#include <algorithm>

#include <gtest/gtest.h>

#include "rehearsal/desktop/standard_desktop.h"
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
const std::string DiscName = "rock 'n' roll ~ \"Best\" ^_^";

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

bool TranscriptHas(const SimSession& session, const std::string& text) { return TranscriptCount(session, text) > 0; }

// The user's settings, two files in two groups, erase and names on; Start pressed.
void StartJob(SimSession& session) {
    session.desktop->Files().AddFile(Accented, "audio\n");
    session.desktop->Files().AddFile(Plain, "audio\n");
    session.desktop->Files().CreateFolder(ShortTemp);
    session.settings.WriteSetting("Velutreck", "Settings", "TempFolder", ShortTemp);
    session.Load();
    session.controls.txtDiscName.SetText(DiscName);
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
TEST(AnyKeyboard, DeadKeysOnUsInternationalAndFrenchLayoutsNeverTouchPathsOrNames) {
    for (SimLayout layout : {SimLayout::UsInternational, SimLayout::French}) {
        SimSession session;
        session.desktop->SetLayout(layout);
        RunJob(session);
        ExpectExactDisc(session, layout == SimLayout::French ? "French" : "US-International");
    }
}

// Alt and the key named E reach a Russian Nero as Alt+"у": its Edit menu would never open, the
// path would go into the main window and the job would wait for ever at "Writing Nero Image". The
// programs are switched to a Latin layout for the shortcuts and back after them.
TEST(AnyKeyboard, OnALayoutWithoutLatinLettersMenusAndTheEraseConfirmationOpenAndTheLayoutComesBack) {
    SimSession session;
    session.desktop->SetLayout(SimLayout::Russian);
    RunJob(session);
    ExpectExactDisc(session, "Russian");
    // Simple Burner's erase and Nero's eleven shortcuts switch and then switch back, but for the
    // two "%n" that end Nero.
    EXPECT_EQ(TranscriptCount(session, "NetMDSB.exe types on the US layout"), 1);
    EXPECT_EQ(TranscriptCount(session, "NetMDSB.exe types on the Russian layout"), 1);
    EXPECT_EQ(TranscriptCount(session, "nero.exe types on the US layout"), 10);
    EXPECT_EQ(TranscriptCount(session, "nero.exe types on the Russian layout"), 8);
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
    session.PressStartStop();
    EXPECT_FALSE(session.IsRunning());

    EXPECT_EQ(session.desktop->Disc(), before);
    EXPECT_EQ(session.ListEntries(), (Lines{Accented, "---Break---", Plain}));
    const Lines operations = NeroOperations(session);
    ASSERT_FALSE(operations.empty());
    EXPECT_EQ(operations.front().rfind("NeroAddFile " + Accented + ": failed, ignored: ", 0), 0u) << operations.front();
    EXPECT_FALSE(TranscriptHas(session, "stray key"));
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
