// The program's modal boxes and dialogs, owned by the main window: message boxes, the common
// file-open dialog and the shell's folder browser. Each marks itself open while it is shown, so
// that no master-timer tick starts behind it.
#pragma once

#include "platform/dialogs.h"
#include "platform/win32/modal_state.h"
#include "platform/win32/windows_api.h"

namespace velutreck {

class Win32MessageBoxes : public MessageBoxes {
public:
    Win32MessageBoxes(HWND owner, ModalState& modal) : owner_(owner), modal_(modal) {}
    MessageBoxAnswer Show(const std::string& text, MessageBoxStyle style, const std::string& title) override;

private:
    HWND owner_;
    ModalState& modal_;
};

// The answer buffer is far larger than any state's maximum size, because Wine does not check the
// size of a list of several names; the maximum is checked here instead, the same way everywhere.
class Win32CommonDialog : public CommonDialog {
public:
    Win32CommonDialog(HWND owner, ModalState& modal) : owner_(owner), modal_(modal) {}
    DialogOutcome ShowOpen(CommonDialogState& state) override;

private:
    HWND owner_;
    ModalState& modal_;
};

class Win32FolderBrowser : public FolderBrowser {
public:
    Win32FolderBrowser(HWND owner, ModalState& modal) : owner_(owner), modal_(modal) {}
    std::string Browse(const std::string& title) override;

private:
    HWND owner_;
    ModalState& modal_;
};

}  // namespace velutreck
