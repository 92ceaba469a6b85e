#include <gtest/gtest.h>

#include "base/failure.h"
#include "rehearsal/desktop/sim_desktop.h"
#include "sim_test_support.h"

namespace velutreck {
namespace {

using sim_test::Keys;
using sim_test::ScriptedStandIn;

class SimDesktopInputTest : public ::testing::Test {
protected:
    SimDesktopInputTest() {
        sim_test::InstallScripted(desktop, "C:\\Tools\\Tool.exe", started);
        own = desktop.CreateOwnWindow("Velutreck");
        desktop.StartProgram("C:\\Tools\\Tool.exe");
        tool = started.back();
        main = tool->host->AddWindow(0, "#32770", "Tool");
        tool->host->GiveFocus(main);
    }

    SimDesktop desktop;
    std::vector<ScriptedStandIn*> started;
    ScriptedStandIn* tool = nullptr;
    WindowHandle own = 0;
    WindowHandle main = 0;
};

TEST_F(SimDesktopInputTest, WaitedKeysArriveAtOnceAndSentKeysAtTheNextAdvanceInOrderWithPostedMessages) {
    const std::string m = std::to_string(main);
    desktop.InjectKeys(Keys("%el"), true);
    EXPECT_EQ(tool->events, (std::vector<std::string>{m + " Alt+E", m + " l"}));

    desktop.PostMessage(main, message::Close, 0, 0);
    desktop.InjectKeys(Keys("+{END}"), false);
    desktop.PostMessage(main, message::KeyDown, 0x28, 0x11500001);
    EXPECT_EQ(tool->events.size(), 2u);

    desktop.Pause(500);
    EXPECT_EQ(tool->events, (std::vector<std::string>{m + " Alt+E", m + " l", m + " message 16", m + " Shift+End",
                                                      m + " message 256"}));
    EXPECT_EQ(desktop.Clock().Now(), 500);

    // Keys sent earlier are handled before keys typed later, even without a pause between.
    desktop.InjectKeys(Keys("{esc}"), false);
    desktop.InjectKeys(Keys("~"), true);
    EXPECT_EQ(desktop.TypedKeys(main), (std::vector<std::string>{"Alt+E", "l", "Shift+End", "Esc", "Enter"}));
}

// Caps Lock would turn "Mix" into "mIX", and a layout without Latin letters would drop the Alt of
// Nero's menu keys or type Cyrillic letters into the names.
TEST_F(SimDesktopInputTest, UnderCapsLockAndOnALayoutWithoutLatinLettersTextAndMenuKeysArriveAsGiven) {
    for (SimLayout layout : {SimLayout::UnitedStates, SimLayout::Russian}) {
        const WindowHandle window = tool->host->AddWindow(0, "#32770", "Name");
        tool->host->GiveFocus(window);
        desktop.SetLayout(layout);
        desktop.SetCapsLock(true);

        desktop.InjectKeys(Keys("%el"), true);
        desktop.InjectKeys(Keys("Mix {(}2003{)}"), false);
        desktop.Pause(1);

        EXPECT_EQ(desktop.TypedKeys(window), (std::vector<std::string>{"Alt+E", "l", "Mix (2003)"}))
            << (layout == SimLayout::Russian ? "on the Russian layout" : "on the US layout");
        EXPECT_TRUE(desktop.CapsLockOn());
    }
}

TEST_F(SimDesktopInputTest, EachKeyGoesToTheWindowThatHasTheFocusWhenItArrives) {
    const WindowHandle prompt = tool->host->AddWindow(0, "#32770", "Add Files");
    tool->host->GiveFocus(prompt);
    tool->onKey = [&](WindowHandle window, const KeyStroke& key) {
        if (window == prompt && key.key == NamedKey::Enter) {
            tool->host->RemoveWindow(prompt);
        }
    };

    desktop.InjectKeys(Keys("C:\\A {(}1{)}.mp3~xy"), true);

    EXPECT_EQ(desktop.TypedKeys(prompt), (std::vector<std::string>{"C:\\A (1).mp3", "Enter"}));
    EXPECT_EQ(desktop.TypedKeys(main), (std::vector<std::string>{"xy"}));
}

// Keys are refused while a bystander, Velutreck's own window or no window has the focus; keys
// already on their way when the focus moved reach the bystander, as on Windows, but never
// Velutreck.
TEST_F(SimDesktopInputTest, KeysAreRefusedUnlessTheProgramTheyAreMeantForHasTheFocus) {
    desktop.InjectKeys(Keys("~"), false);
    const WindowHandle notepad = desktop.AddBystander("Untitled - Notepad");
    for (bool waited : {true, false}) {
        EXPECT_THROW(desktop.InjectKeys(Keys("C:\\Music\\A.mp3"), waited), Failure);
    }
    desktop.Clock().AdvanceBy(1);
    EXPECT_EQ(desktop.TypedKeys(notepad), (std::vector<std::string>{"Enter"}));
    EXPECT_TRUE(desktop.TypedKeys(main).empty());

    desktop.ActivateByTitle("Tool");
    desktop.InjectKeys(Keys("{DOWN}ab"), false);
    desktop.ActivateByTitle("Velutreck");
    for (bool waited : {true, false}) {
        EXPECT_THROW(desktop.InjectKeys(Keys("~"), waited), Failure);
    }
    desktop.Clock().AdvanceBy(1);
    EXPECT_TRUE(desktop.TypedKeys(own).empty());
    EXPECT_EQ(desktop.Transcript().Texts().back(), "Keys kept from Velutreck's own window: \"Down\", \"ab\"");

    SimDesktop empty;
    EXPECT_THROW(empty.InjectKeys(Keys("%{F4}"), true), Failure);
}

}  // namespace
}  // namespace velutreck
