#include "app/path_pickers.h"

#include "base/failure.h"

namespace velutreck {

void PickFile(CommonDialog& dialog, CommonDialogState& state, std::string_view filter, TextBox& target) {
    state.maxFileSize = FilePickerMaxFileSize;
    state.fileName.clear();
    state.filter = filter;
    state.flags = FilePickerFlags;
    if (dialog.ShowOpen(state) == DialogOutcome::AnswerTooLong) {
        throw Failure(FailureKind::Control, "The chosen path is longer than " +
                                                std::to_string(FilePickerMaxFileSize.Value() - 1) +
                                                " characters and cannot be used.");
    }
    if (!state.fileName.empty()) {
        target.SetText(state.fileName);
    }
}

std::string BrowseForFolder(FolderBrowser& browser) {
    std::string folder = browser.Browse(std::string(FolderBrowserTitle));
    if (!folder.empty() && !folder.ends_with('\\')) {
        folder += '\\';
    }
    return folder;
}

void PickFolder(FolderBrowser& browser, TextBox& target) {
    const std::string folder = BrowseForFolder(browser);
    if (!folder.empty()) {
        target.SetText(folder);
    }
}

}  // namespace velutreck
