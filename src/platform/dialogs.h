// Modal dialogs: message boxes, the common file dialog and the folder browser.
#pragma once

#include <string>

#include "base/int16.h"

namespace velutreck {

// Message-box styles and answers with the values the program has always used.
enum class MessageBoxStyle {
    Critical = 16,
    YesNoQuestion = 36,
    OkCancelExclamation = 49,
    Information = 64,
    OkCancelInformation = 65
};
enum class MessageBoxAnswer { Ok = 1, Cancel = 2, Yes = 6, No = 7 };

class MessageBoxes {
public:
    MessageBoxes() = default;
    MessageBoxes(const MessageBoxes&) = delete;
    MessageBoxes& operator=(const MessageBoxes&) = delete;
    virtual ~MessageBoxes() = default;

    virtual MessageBoxAnswer Show(const std::string& text, MessageBoxStyle style, const std::string& title) = 0;
};

// The properties of the window's one common dialog. They persist between uses: whatever one use
// does not set stays as the previous use left it.
struct CommonDialogState {
    std::string initialFolder;
    std::string fileName;  // the answer: one full path, or folder NUL name NUL name ...
    std::string filter;    // description|pattern|description|pattern
    Int16 filterIndex = 1; // 1-based, the entry chosen when the dialog last closed
    long flags = 0;
    Int16 maxFileSize = 256;
};

enum class DialogOutcome { Chosen, Cancelled, AnswerTooLong };

class CommonDialog {
public:
    CommonDialog() = default;
    CommonDialog(const CommonDialog&) = delete;
    CommonDialog& operator=(const CommonDialog&) = delete;
    virtual ~CommonDialog() = default;

    // Shows the Open dialog modally. On Chosen the answer is in state.fileName; on Cancelled and
    // AnswerTooLong state.fileName is empty. The filter index chosen is kept in either case.
    virtual DialogOutcome ShowOpen(CommonDialogState& state) = 0;
};

// The shell's folder browser, modal and owned by the main window. Only folders of the file system
// can be confirmed.
class FolderBrowser {
public:
    FolderBrowser() = default;
    FolderBrowser(const FolderBrowser&) = delete;
    FolderBrowser& operator=(const FolderBrowser&) = delete;
    virtual ~FolderBrowser() = default;

    // Shows the whole shell namespace from the desktop under the title. Returns the chosen
    // folder's path as the shell gives it, or "" when the user cancels or the choice is a virtual item.
    virtual std::string Browse(const std::string& title) = 0;
};

}  // namespace velutreck
