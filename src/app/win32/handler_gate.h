// The one place through which the window calls frmMain's handlers. No exception crosses a window
// procedure: whatever a handler throws is shown to the user as an "Error: " message box. It also
// brackets each call for the form, so that a handler that unloads the window finishes on live
// controls and the window goes when the handler returns.
#pragma once

#include <functional>

#include "platform/dialogs.h"
#include "platform/win32/win32_form.h"

namespace velutreck {

class HandlerGate {
public:
    HandlerGate(Win32FormWindow& form, MessageBoxes& messageBoxes) : form_(form), messageBoxes_(messageBoxes) {}

    void Run(const std::function<void()>& handler) noexcept;

private:
    void ShowError(const char* what) noexcept;

    Win32FormWindow& form_;
    MessageBoxes& messageBoxes_;
};

}  // namespace velutreck
