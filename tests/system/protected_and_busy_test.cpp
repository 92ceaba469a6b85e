// Whole jobs on a desktop that behaves as Windows does where Wine is kind: programs that run as
// administrator, a Velutreck run as administrator that does not see the user's network drives, a
// program busy for seconds after a key, a moment with no foreground window, an erase that did not
// happen, and a C:\Program.exe that an unquoted path would start. The disc, the list and the log
// are checked after each.
#include <gtest/gtest.h>

#include "rehearsal/desktop/standard_desktop.h"
#include "rehearsal/standins/mini_disc.h"
#include "rehearsal/standins/nero_stand_in.h"
#include "support/sim_session.h"
#include "system/typical_job_done.h"
#include "tracklist/break_marker.h"

namespace velutreck {
namespace {

using typical_job::A;
using typical_job::B;
using typical_job::C;
using Lines = std::vector<std::string>;


bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

std::string LogText(const SimSession& session) {
    return session.desktop->Files().ReadFile(standard_desktop::LogFolder + "\\Velutreck.log").value_or("");
}

TEST(HarshWindows, AProgramRunAsAdministratorEndsTheJobAtOnceWithOneMessageSayingWhatToDo) {
    const std::string typeInto = "Error: Nero runs as administrator, so Windows does not let Velutreck type into it. "
                                 "Run both as administrator, or neither.";
    const std::string start = "Error: Simple Burner is set to run as administrator, so Windows does not let "
                              "Velutreck start it. Run both as administrator, or neither.";
    using Account = SimDesktop::Account;
    struct Case {
        std::string program;
        Account account;  // a standard user's Nero runs under the administrator's account
        bool erase;
        std::string message;
        Lines list;  // what was not handed to Nero
        int state;
    };
    const std::vector<Case> cases = {
        {standard_desktop::NeroPath, Account::Administrator, true, typeInto, typical_job::Entries, 9},
        {standard_desktop::NeroPath, Account::Standard, true, typeInto, typical_job::Entries, 9},
        {standard_desktop::SimpleBurnerPath, Account::Administrator, true, start, typical_job::Entries, 4},
        {standard_desktop::SimpleBurnerPath, Account::Administrator, false, start, {std::string(BreakMarker), C}, 15},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.message + (test.account == Account::Standard ? " (a standard user)" : ""));
        SimSession session;
        session.desktop->SetUserAccount(test.account);
        session.desktop->MarkRunAsAdministrator(test.program);
        session.Load();
        session.controls.chkErase.SetValue(test.erase ? 1 : 0);
        session.AddTypicalList();
        session.PressStartStop();
        ASSERT_TRUE(session.RunUntilIdle(Hour));

        EXPECT_FALSE(session.IsRunning());
        EXPECT_FALSE(session.desktop->KeptAwake());
        EXPECT_EQ(session.Caption(), "Velutreck");
        EXPECT_EQ(session.desktop->Taskbar().Now().state, TaskbarProgress::Error);
        const auto& shown = session.messageBoxes.Shown();
        ASSERT_EQ(shown.size(), 2u);  // the checklist, then the one error
        EXPECT_EQ(shown[1].text, test.message);
        EXPECT_EQ(session.ListEntries(), test.list);
        EXPECT_TRUE(session.desktop->Disc().groups.empty());
        const std::string log = LogText(session);
        EXPECT_TRUE(Has(log, test.message + "\r\n"));
        EXPECT_TRUE(Has(log, "Job was ended in state " + std::to_string(test.state) + ": "));
        EXPECT_FALSE(Has(log, "Job was stopped"));
        const WindowHandle nero = session.desktop->FindWindow(0, 0, std::nullopt, NeroMainTitle);
        if (nero != 0) {
            EXPECT_TRUE(session.desktop->TypedKeys(nero).empty());
        }
        // The job is over: no tick comes back to show the message again.
        session.RunFor(10'000);
        EXPECT_EQ(shown.size(), 2u);
    }

    // Run both as administrator, and the job is whole.
    SimSession both;
    both.desktop->SetOwnIntegrity(SimDesktop::Integrity::High);
    both.desktop->MarkRunAsAdministrator(standard_desktop::NeroPath);
    both.desktop->MarkRunAsAdministrator(standard_desktop::SimpleBurnerPath);
    both.Load();
    both.AddTypicalList();
    both.PressStartStop();
    ASSERT_TRUE(both.RunUntilIdle(Hour));
    ExpectTheWholeJobDone(both);
}

// Windows keeps the drive letters mapped in the user's normal session from a Velutreck run as
// administrator: the files listed on such a drive are reported with the reason and what to do, a
// file simply gone as before. With linked connections Velutreck sees the drive; not elevated, a
// share that is offline is simply missing.
TEST(HarshWindows, FilesOnADriveMappedForTheNormalSessionAreReportedWithWhyAnElevatedVelutreckMissesThem) {
    const std::string onShare = "Z:\\Mix\\1.mp3";
    const std::string goneFromShare = "z:\\Mix\\2.mp3";
    const std::string unplugged = "E:\\Album\\1.mp3";
    const std::string hidden = "Error: Velutreck runs as administrator and does not see drive Z:, which is mapped for "
                               "your normal session; start Velutreck without administrator rights, or add the files "
                               "from \\\\nas\\music instead of Z:.";
    struct Case {
        bool elevated;
        bool linkedConnections;
        bool shareOnline;
        Lines messages;
    };
    const std::vector<Case> cases = {
        {true, false, true, {hidden, "Error: E:\\Album\\1.mp3 does not exist."}},
        {true, true, true, {"Error: z:\\Mix\\2.mp3 and E:\\Album\\1.mp3 do not exist."}},
        {false, false, false, {"Error: Z:\\Mix\\1.mp3, z:\\Mix\\2.mp3 and E:\\Album\\1.mp3 do not exist."}},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.messages.front());
        SimSession session;
        if (test.shareOnline) {
            session.desktop->Files().AddFile(onShare, "audio");
        }
        session.desktop->Files().MapForNormalSession('Z', "\\\\nas\\music");
        session.desktop->Files().SetLinkedConnections(test.linkedConnections);
        if (test.elevated) {
            session.desktop->SetOwnIntegrity(SimDesktop::Integrity::High);
        }
        session.Load();
        session.controls.chkAutoBreak.SetValue(0);
        const Lines list = {A, onShare, goneFromShare, unplugged};
        for (const std::string& file : list) {
            session.AddFiles({file});
        }
        session.PressStartStop();
        session.RunFor(60'000);

        EXPECT_FALSE(session.IsRunning());
        const auto& shown = session.messageBoxes.Shown();
        ASSERT_EQ(shown.size(), test.messages.size() + 1);  // the checklist first
        for (std::size_t i = 0; i < test.messages.size(); ++i) {
            EXPECT_EQ(shown[i + 1].text, test.messages[i]);
        }
        EXPECT_EQ(session.ListEntries(), list);
        EXPECT_FALSE(TranscriptHas(session, "ShellOpen"));
    }
}

// Nero takes a large or network file for 8 s after the Enter of its add prompt: the keys wait
// longer than a waited injection does, and Nero is still busy when it is next activated.
TEST(HarshWindows, ANeroBusyAfterEachFileRecordsEveryFileOnceAndTheLogSaysItWasTaken) {
    SimSession session;
    session.desktop->SetBusyAfterKey("Add Files", NamedKey::Enter, 8'000);
    session.Load();
    session.AddTypicalList();
    session.PressStartStop();
    ASSERT_TRUE(session.RunUntilIdle(Hour));

    ExpectTheWholeJobDone(session);
    const std::string log = LogText(session);
    for (const std::string& file : {A, B, C}) {
        EXPECT_TRUE(Has(log, "NeroAddFile " + file + ": taken by Nero, which did not answer in time: ")) << file;
    }
    EXPECT_FALSE(Has(log, "NeroAddFile " + A + ": failed"));
}

// Each prompt that opens leaves the desktop without a foreground window for longer than the
// half second the drivers pause before typing into it.
TEST(HarshWindows, AMomentWithNoForegroundWindowDoesNotCutASequence) {
    SimSession session;
    session.desktop->SetForegroundGap(800);
    session.Load();
    session.AddTypicalList();
    session.PressStartStop();
    ASSERT_TRUE(session.RunUntilIdle(Hour));

    ExpectTheWholeJobDone(session);
    EXPECT_TRUE(TranscriptHas(session, "waited for a window to come to the front"));
}

// Windows keeps another window in front while Velutreck would confirm the erase: the disc keeps its
// old tracks, the new groups follow them, and names typed from the top would land on the old rows.
TEST(HarshWindows, AnEraseThatDidNotHappenLeavesTheTrackNamesButNamesTheDisc) {
    SimSession session;
    session.desktop->Disc() = MiniDisc{"Old disc", {{"Old", {{"Old track", "C:\\Old.mp3", "LP2"}}}}};
    session.Load();
    session.controls.txtDiscName.SetText("New disc");
    session.AddTypicalList();
    session.PressStartStop();
    ASSERT_TRUE(session.RunUntil([&] { return session.form.Engine().JobState() == 6; }, Hour));
    session.desktop->SetForegroundRefused(true);
    ASSERT_TRUE(session.RunUntil([&] { return session.form.Engine().JobState() == 7; }, Hour));
    session.desktop->SetForegroundRefused(false);
    ASSERT_TRUE(session.RunUntilIdle(Hour));

    const MiniDisc& disc = session.desktop->Disc();
    EXPECT_EQ(disc.title, "New disc");
    EXPECT_EQ(SourcesOn(disc), (Lines{"C:\\Old.mp3", A, B, C}));
    EXPECT_EQ(RowTitles(disc), (Lines{"Old", "Old track", "", "", "", "", ""}));
    EXPECT_TRUE(session.ListEntries().empty());
    const std::string log = LogText(session);
    EXPECT_TRUE(Has(log, "SimpleBurnerConfirmErase: failed, ignored: "));
    EXPECT_TRUE(Has(log, "SimpleBurnerNameTracks left out: the erase at the start of this job failed"));
    EXPECT_TRUE(Has(log, "SimpleBurnerNameDisc New disc: ok"));
}

// A program a careless start would run: it counts its starts and does nothing else.
class CarelessStartSpy : public StandIn {
public:
    explicit CarelessStartSpy(int& starts) : starts_(starts) {}
    void Start(StandInHost&, const std::string&) override { ++starts_; }
    void OnKey(WindowHandle, const KeyStroke&) override {}
    void OnMessage(WindowHandle, std::uint32_t, std::uint32_t, std::uint32_t) override {}

private:
    int& starts_;
};

// Simple Burner's default path is unquoted and holds spaces.
TEST(HarshWindows, AProgramExeAtTheRootIsNeverStartedInPlaceOfSimpleBurner) {
    SimSession session;
    int starts = 0;
    session.desktop->InstallProgram("C:\\Program.exe", [&starts] { return std::make_unique<CarelessStartSpy>(starts); });
    session.Load();
    session.AddTypicalList();
    session.PressStartStop();
    ASSERT_TRUE(session.RunUntilIdle(Hour));

    EXPECT_EQ(starts, 0);
    ExpectTheWholeJobDone(session);
    EXPECT_TRUE(TranscriptHas(session, "StartProgram(\"" + standard_desktop::SimpleBurnerPath + "\") = "));
}

}  // namespace
}  // namespace velutreck
