#include <gtest/gtest.h>

#include "base/failure.h"
#include "rehearsal/desktop/sim_desktop.h"
#include "sim_test_support.h"

namespace velutreck {
namespace {

using sim_test::Click;
using sim_test::ScriptedStandIn;

class SimDesktopWindowsTest : public ::testing::Test {
protected:
    SimDesktopWindowsTest() {
        sim_test::InstallScripted(desktop, "C:\\Tools\\Tool.exe", started);
        own = desktop.CreateOwnWindow("Velutreck");
    }

    StandInHost& StartTool() {
        desktop.StartProgram("C:\\Tools\\Tool.exe");
        return *started.back()->host;
    }

    SimDesktop desktop;
    std::vector<ScriptedStandIn*> started;
    WindowHandle own = 0;
};

TEST_F(SimDesktopWindowsTest, FindWindowSearchesTopLevelWindowsFromTheTopmostAndChildrenAfterChildAfter) {
    StandInHost& host = StartTool();
    const WindowHandle older = host.AddWindow(0, "#32770", "Net MD Simple Burner");
    const WindowHandle newer = host.AddWindow(0, "#32770", "Net MD Simple Burner");
    const WindowHandle panel1 = host.AddWindow(older, "#32770", "");
    const WindowHandle edit = host.AddWindow(older, "Edit", "List2");
    const WindowHandle panel2 = host.AddWindow(older, "#32770", "");
    const WindowHandle onlyPanel = host.AddWindow(newer, "#32770", "");

    EXPECT_EQ(desktop.FindWindow(0, 0, std::nullopt, "Net MD Simple Burner"), newer);
    EXPECT_EQ(desktop.FindWindow(0, newer, std::nullopt, "Net MD Simple Burner"), older);
    EXPECT_EQ(desktop.FindWindow(older, 0, std::nullopt, std::nullopt), panel1);
    EXPECT_EQ(desktop.FindWindow(older, panel1, "#32770", std::nullopt), panel2);
    EXPECT_EQ(desktop.FindWindow(newer, onlyPanel, "#32770", std::nullopt), 0u);
    EXPECT_EQ(desktop.FindWindow(older, 0, std::nullopt, "List2"), edit);
    EXPECT_EQ(desktop.FindWindow(older, 0, std::nullopt, "list2"), 0u);
    EXPECT_EQ(desktop.FindWindow(older, 0, "Edit", "List"), 0u);
    EXPECT_EQ(desktop.FindWindow(older, onlyPanel, std::nullopt, std::nullopt), 0u);
    EXPECT_EQ(desktop.FindWindow(999, 0, std::nullopt, std::nullopt), 0u);

    desktop.ActivateByTitle("Velutreck");
    EXPECT_EQ(desktop.FindWindow(0, 0, std::nullopt, std::nullopt), own);
}

TEST_F(SimDesktopWindowsTest, PostedMessagesArriveAtTheNextAdvanceBeforeActionsDueThenAndPostsToNoWindowReachNothing) {
    StandInHost& host = StartTool();
    ScriptedStandIn& tool = *started.back();
    const WindowHandle button = host.AddWindow(host.AddWindow(0, "#32770", "Tool"), "Button", "All Erase");
    const WindowHandle gone = host.AddWindow(0, "#32770", "Gone");
    host.RemoveWindow(gone);
    host.RunAfter(0, [&] { tool.events.push_back("timer"); });

    Click(desktop, button);
    desktop.PostMessage(0, message::Close, 0, 0);
    desktop.PostMessage(gone, message::Close, 0, 0);
    desktop.PostMessage(button, 0x0401, 0x28, 0xD1500001);
    EXPECT_TRUE(tool.events.empty());

    desktop.Clock().AdvanceBy(0);

    const std::string b = std::to_string(button);
    EXPECT_EQ(tool.events, (std::vector<std::string>{b + " message 513", b + " message 514", b + " message 1025", "timer"}));
}

TEST_F(SimDesktopWindowsTest, ActivationTakesTheExactTitleBeforeOneThatBeginsWithItAndFailsWhenNoneDoes) {
    StandInHost& host = StartTool();
    const WindowHandle exact = host.AddWindow(0, "#32770", "nero - burning rom");
    const WindowHandle longer = host.AddWindow(0, "#32770", "Nero - Burning Rom - Project1");
    const WindowHandle field = host.AddWindow(exact, "Edit", "");
    host.GiveFocus(field);
    host.GiveFocus(longer);

    desktop.ActivateByTitle("Nero - Burning Rom");
    EXPECT_EQ(desktop.Windows().Foreground(), exact);
    EXPECT_EQ(desktop.Windows().Focus(), field);  // back where the focus last was
    EXPECT_EQ(desktop.Windows().TopLevel().front(), exact);

    host.RemoveWindow(exact);
    desktop.ActivateByTitle("NERO - Burning");
    EXPECT_EQ(desktop.Windows().Foreground(), longer);

    EXPECT_THROW(desktop.ActivateByTitle("Save Image File"), Failure);
    EXPECT_EQ(desktop.Windows().Foreground(), longer);
}

TEST_F(SimDesktopWindowsTest, ActivationByTaskWaitsForTheProgramsWindowAndClosingTheForegroundActivatesTheNext) {
    desktop.StartProgram("C:\\Tools\\Tool.exe");
    StandInHost& host = *started.back()->host;
    EXPECT_THROW(desktop.ActivateByTask(2), Failure);

    const WindowHandle main = host.AddWindow(0, "#32770", "Tool");
    const WindowHandle box = host.AddWindow(0, "#32770", "Question");
    desktop.ActivateByTask(2);
    EXPECT_EQ(desktop.Windows().Foreground(), box);

    host.RemoveWindow(box);
    EXPECT_EQ(desktop.Windows().Foreground(), main);
    EXPECT_EQ(desktop.Windows().Focus(), main);
    host.ExitProgram();
    EXPECT_EQ(desktop.Windows().Foreground(), own);
    EXPECT_FALSE(desktop.Windows().Exists(main));
    EXPECT_THROW(desktop.ActivateByTask(2), Failure);
}

}  // namespace
}  // namespace velutreck
