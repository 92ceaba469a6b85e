// The taskbar button through the shell's own ITaskbarList3 and FlashWindowEx, for real.
#include <gtest/gtest.h>

#include "platform/win32/win32_taskbar_button.h"
#include "test_window.h"

namespace velutreck {
namespace {

TEST(TaskbarButton, TheShellsTaskbarListTakesWhatWasAskedBeforeTheButtonExistedAndEveryChangeAfter) {
    ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr)));
    {
        windowtest::TestWindow window;
        Win32TaskbarButton button(window.Window());
        EXPECT_NE(Win32TaskbarButton::CreatedMessage(), 0u);
        // Until the shell says it made the button, what is asked is only kept.
        button.ShowProgress(TaskbarProgress::Normal, 3, 14);
        button.ShowTooltip("Group 1 of 2: Recording");
        // Wine's shell does not send the message; the test gives it in its place.
        EXPECT_TRUE(button.OnButtonCreated());
        button.ShowProgress(TaskbarProgress::Paused, 5, 14);
        button.ShowProgress(TaskbarProgress::Error, 1, 1);
        button.ShowProgress(TaskbarProgress::None, 0, 0);
        button.ShowTooltip("");
        // Explorer restarted: the button is made again.
        EXPECT_TRUE(button.OnButtonCreated());
        button.Flash();
        windowtest::PumpMessages(100);
        EXPECT_TRUE(IsWindow(window.Window()));
    }
    OleUninitialize();
}

}  // namespace
}  // namespace velutreck
