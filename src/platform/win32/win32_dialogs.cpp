#include "platform/win32/win32_dialogs.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include <cderr.h>
#include <commdlg.h>
#include <shlobj.h>

#include "base/failure.h"
#include "platform/win32/dialog_text.h"
#include "platform/win32/wide_text.h"

namespace velutreck {

namespace {

constexpr std::size_t AnswerBufferSize = 65536;

// A box raised after the window is gone (a tick that unloaded it) still shows, without an owner.
HWND LiveOwner(HWND owner) { return IsWindow(owner) ? owner : nullptr; }

}  // namespace

MessageBoxAnswer Win32MessageBoxes::Show(const std::string& text, MessageBoxStyle style, const std::string& title) {
    const ModalState::Scope open(modal_);
    const int answer = MessageBoxW(LiveOwner(owner_), Widen(text).c_str(), Widen(title).c_str(),
                                   static_cast<UINT>(style));
    // A box that could not be shown (0) was never answered: it must not start a job nor say yes.
    switch (answer) {
    case IDOK: return MessageBoxAnswer::Ok;
    case IDYES: return MessageBoxAnswer::Yes;
    case IDNO: return MessageBoxAnswer::No;
    default: return MessageBoxAnswer::Cancel;
    }
}

DialogOutcome Win32CommonDialog::ShowOpen(CommonDialogState& state) {
    const std::wstring filter = DialogFilter(state.filter);
    const std::wstring initialFolder = Widen(state.initialFolder);
    std::vector<wchar_t> buffer(AnswerBufferSize, L'\0');
    const std::wstring fileName = Widen(state.fileName);
    std::copy_n(fileName.begin(), std::min(fileName.size(), buffer.size() - 2), buffer.begin());

    OPENFILENAMEW request{};
    request.lStructSize = sizeof(request);
    request.hwndOwner = LiveOwner(owner_);
    request.lpstrFilter = filter.c_str();
    request.nFilterIndex = static_cast<DWORD>(std::max<int>(state.filterIndex.Value(), 0));
    request.lpstrFile = buffer.data();
    request.nMaxFile = static_cast<DWORD>(buffer.size());
    request.lpstrInitialDir = initialFolder.empty() ? nullptr : initialFolder.c_str();
    request.Flags = static_cast<DWORD>(state.flags);

    BOOL chosen = FALSE;
    {
        const ModalState::Scope open(modal_);
        chosen = GetOpenFileNameW(&request);
    }
    state.filterIndex = static_cast<long long>(request.nFilterIndex);
    state.fileName.clear();
    if (!chosen) {
        const DWORD error = CommDlgExtendedError();
        if (error == 0) {
            return DialogOutcome::Cancelled;
        }
        if (error == FNERR_BUFFERTOOSMALL) {
            return DialogOutcome::AnswerTooLong;
        }
        char code[16];
        std::snprintf(code, sizeof(code), "0x%04lX", static_cast<unsigned long>(error));
        throw Failure(FailureKind::Control, std::string("The file dialog failed (error ") + code + ").");
    }
    const std::wstring answer = DialogAnswer(std::wstring_view(buffer.data(), buffer.size()));
    if (!AnswerFits(answer, state.maxFileSize)) {
        return DialogOutcome::AnswerTooLong;
    }
    state.fileName = Narrow(answer);
    return DialogOutcome::Chosen;
}

std::string Win32FolderBrowser::Browse(const std::string& title) {
    const std::wstring wideTitle = Widen(title);
    wchar_t displayName[MAX_PATH] = {};
    BROWSEINFOW request{};
    request.hwndOwner = LiveOwner(owner_);
    request.pszDisplayName = displayName;
    request.lpszTitle = wideTitle.c_str();
    request.ulFlags = BIF_RETURNONLYFSDIRS;

    PIDLIST_ABSOLUTE chosen = nullptr;
    {
        const ModalState::Scope open(modal_);
        chosen = SHBrowseForFolderW(&request);
    }
    if (!chosen) {
        return {};
    }
    wchar_t path[MAX_PATH] = {};
    const BOOL isFolder = SHGetPathFromIDListW(chosen, path);
    CoTaskMemFree(chosen);
    return isFolder ? Narrow(path) : std::string();
}

}  // namespace velutreck
