#include <gtest/gtest.h>

#include "base/failure.h"
#include "rehearsal/desktop/sim_desktop.h"
#include "sim_test_support.h"
#include "support/thrown_failure.h"

namespace velutreck {
namespace {

using sim_test::ScriptedStandIn;

const std::string Tool = "C:\\Program Files\\Tool Box\\tool.exe";
const std::string Viewer = "C:\\Program Files\\Viewer\\view.exe";

class SimDesktopProgramsTest : public ::testing::Test {
protected:
    SimDesktopProgramsTest() {
        sim_test::InstallScripted(desktop, Tool, started);
        sim_test::InstallScripted(desktop, Viewer, started);
        desktop.Associate(".NRA", Viewer);
        desktop.Files().AddFile("C:\\Audio\\Empty.nra", "project");
        desktop.Files().AddFile("C:\\Audio\\notes.txt", "text");
    }

    SimDesktop desktop;
    std::vector<ScriptedStandIn*> started;
};

TEST_F(SimDesktopProgramsTest, AProgramStartsFromItsPathOrThroughADocumentOfItsTypeAndTakesTheRestAsArguments) {
    const TaskId first = desktop.StartProgram(Tool);
    const TaskId second = desktop.StartProgram("c:\\program files\\tool box\\TOOL.EXE -x 'C:\\My Files\\a.nrg'");
    desktop.ShellOpen(1, Tool, "'C:\\Program Files\\Velutreck\\Empty.nrg'");
    desktop.ShellOpen(1, "C:\\Audio\\Empty.nra", "");
    desktop.ShellOpen(1, "C:\\Audio\\Missing.nra", "");
    desktop.ShellOpen(1, "C:\\Audio\\notes.txt", "");
    desktop.StartProgram("\"" + Tool + "\" /y");

    ASSERT_EQ(started.size(), 5u);
    EXPECT_EQ(started[4]->arguments, "/y");
    EXPECT_EQ(started[0]->arguments, "");
    EXPECT_EQ(started[1]->arguments, "-x 'C:\\My Files\\a.nrg'");
    EXPECT_EQ(started[2]->arguments, "'C:\\Program Files\\Velutreck\\Empty.nrg'");
    EXPECT_EQ(started[3]->arguments, "C:\\Audio\\Empty.nra");
    EXPECT_NE(first, second);
    EXPECT_TRUE(desktop.TaskRunning(second));
}

TEST_F(SimDesktopProgramsTest, StartingFailsForAnUnknownPathAPathRunningOnAnUnclosedQuoteAndADeletedProgram) {
    desktop.Files().DeleteFile(Viewer);
    const std::vector<std::string> refused = {"C:\\Program Files\\Tool Box\\tool.ex", Tool + "2", "\"" + Tool, Viewer};
    for (const std::string& commandLine : refused) {
        EXPECT_THROW(desktop.StartProgram(commandLine), Failure) << commandLine;
    }
    EXPECT_TRUE(started.empty());
}

TEST_F(SimDesktopProgramsTest, AnEndedProgramLosesItsWindowsAndItsTimersNoLongerRun) {
    desktop.StartProgram(Tool);
    StandInHost& host = *started.back()->host;
    const WindowHandle window = host.AddWindow(0, "#32770", "Tool");
    int timers = 0;
    host.RunAfter(100, [&] { ++timers; });
    host.RunAfter(300, [&] { ++timers; });
    desktop.Clock().AdvanceBy(200);

    host.ExitProgram();
    desktop.Clock().AdvanceBy(200);

    EXPECT_EQ(timers, 1);
    EXPECT_FALSE(desktop.Windows().Exists(window));
    EXPECT_FALSE(desktop.TaskRunning(1));
}

// Windows reads an unquoted command line with spaces from its first word on, adding ".exe": a
// C:\Program.exe runs in place of a program under C:\Program Files. A command line that names an
// existing file as a whole is that file.
TEST_F(SimDesktopProgramsTest, AnUnquotedPathRunsTheFirstProgramItsWordsNameUnlessItNamesAFileWhole) {
    std::vector<ScriptedStandIn*> careless;
    sim_test::InstallScripted(desktop, "C:\\Program.exe", careless);
    desktop.StartProgram("C:\\Program Files\\Tool Box\\tool.exe -x");
    ASSERT_EQ(careless.size(), 1u);
    EXPECT_EQ(careless[0]->arguments, "Files\\Tool Box\\tool.exe -x");

    desktop.StartProgram(Tool);
    desktop.StartProgram("\"" + Tool + "\" -x");
    EXPECT_EQ(careless.size(), 1u);
    ASSERT_EQ(started.size(), 2u);
    EXPECT_EQ(started[0]->arguments, "");
    EXPECT_EQ(started[1]->arguments, "-x");
}

// A program marked to run as administrator cannot be started by Velutreck at Medium; the shell
// starts it elevated, and then it takes no key and no posted message from Velutreck. A standard
// user's consent runs it under an administrator's account, whose process Velutreck cannot even
// open to read its level: it is refused all the same, not typed into. Velutreck at High starts it
// and drives it.
TEST_F(SimDesktopProgramsTest, AProgramRunAsAdministratorTakesNothingFromAProgramBelowIt) {
    desktop.MarkRunAsAdministrator(Tool);
    EXPECT_EQ(KindThrownBy([&] { desktop.StartProgram(Tool); }), FailureKind::ElevationRequired);
    WindowHandle window = 0;
    for (const SimDesktop::Account account : {SimDesktop::Account::Administrator, SimDesktop::Account::Standard}) {
        desktop.SetUserAccount(account);
        desktop.ShellOpen(1, Tool, "");
        window = started.back()->host->AddWindow(0, "#32770", "Tool");
        started.back()->host->GiveFocus(window);
        desktop.ActivateByTitle("Tool");
        EXPECT_EQ(KindThrownBy([&] { sim_test::Click(desktop, window); }), FailureKind::ElevatedProgram);
        EXPECT_EQ(KindThrownBy([&] { desktop.InjectKeys(sim_test::Keys("x"), true); }), FailureKind::ElevatedProgram);
        desktop.Clock().AdvanceBy(100);
        EXPECT_TRUE(started.back()->events.empty());
    }

    desktop.SetOwnIntegrity(SimDesktop::Integrity::High);
    desktop.StartProgram(Tool);
    desktop.ActivateByTitle("Tool");
    desktop.InjectKeys(sim_test::Keys("x"), true);
    EXPECT_EQ(started[1]->events, (std::vector<std::string>{std::to_string(window) + " x"}));
}

}  // namespace
}  // namespace velutreck
