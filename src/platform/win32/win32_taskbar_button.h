// The main window's taskbar button through the shell's ITaskbarList3: the progress bar, its colour
// and the button's tooltip, and FlashWindowEx for the flash. The shell takes these only once it has
// made the button and said so with the "TaskbarButtonCreated" message, which it sends again when
// Explorer restarts; what was asked before is kept and shown then.
#pragma once

#include <string>

#include "platform/taskbar_button.h"
#include "platform/win32/com_pointer.h"
#include "platform/win32/windows_api.h"

#include <shobjidl.h>

namespace velutreck {

class Win32TaskbarButton : public TaskbarButton {
public:
    explicit Win32TaskbarButton(HWND window);
    Win32TaskbarButton(const Win32TaskbarButton&) = delete;
    Win32TaskbarButton& operator=(const Win32TaskbarButton&) = delete;

    // The registered "TaskbarButtonCreated" message.
    static UINT CreatedMessage();
    // The button exists (again): the shell's taskbar list is taken and shows what was asked.
    // False when the shell has no taskbar list to give.
    bool OnButtonCreated();

    void ShowProgress(TaskbarProgress state, std::uint64_t completed, std::uint64_t total) override;
    void ShowTooltip(const std::string& text) override;
    void Flash() override;

private:
    void ApplyProgress();
    void ApplyTooltip();

    HWND window_;
    ComPointer<ITaskbarList3> list_;
    TaskbarProgress state_ = TaskbarProgress::None;
    std::uint64_t completed_ = 0;
    std::uint64_t total_ = 0;
    std::wstring tooltip_;
};

}  // namespace velutreck
