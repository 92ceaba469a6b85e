#include "platform/win32/win32_taskbar_button.h"

#include "platform/win32/wide_text.h"

namespace velutreck {

namespace {

TBPFLAG Flag(TaskbarProgress state) {
    switch (state) {
    case TaskbarProgress::Normal: return TBPF_NORMAL;
    case TaskbarProgress::Paused: return TBPF_PAUSED;
    case TaskbarProgress::Error: return TBPF_ERROR;
    case TaskbarProgress::None: break;
    }
    return TBPF_NOPROGRESS;
}

}  // namespace

Win32TaskbarButton::Win32TaskbarButton(HWND window) : window_(window) {
    // Windows keeps messages from a less privileged process, Explorer among them, from an elevated
    // window unless it lets them through.
    ChangeWindowMessageFilterEx(window_, CreatedMessage(), MSGFLT_ALLOW, nullptr);
}

UINT Win32TaskbarButton::CreatedMessage() {
    static const UINT message = RegisterWindowMessageW(L"TaskbarButtonCreated");
    return message;
}

bool Win32TaskbarButton::OnButtonCreated() {
    if (FAILED(CoCreateInstance(CLSID_TaskbarList, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(list_.Out())))) {
        return false;
    }
    if (FAILED(list_->HrInit())) {
        list_.Reset();
        return false;
    }
    ApplyProgress();
    ApplyTooltip();
    return true;
}

// The taskbar only shows how the job goes: whatever it answers is let go.
void Win32TaskbarButton::ShowProgress(TaskbarProgress state, std::uint64_t completed, std::uint64_t total) {
    state_ = state;
    completed_ = completed;
    total_ = total;
    ApplyProgress();
}

void Win32TaskbarButton::ShowTooltip(const std::string& text) {
    tooltip_ = Widen(text);
    ApplyTooltip();
}

void Win32TaskbarButton::Flash() {
    // A window in front has the user's eye already, and FLASHW_TIMERNOFG would stop at once.
    if (GetAncestor(GetForegroundWindow(), GA_ROOTOWNER) == window_) {
        return;
    }
    FLASHWINFO flash{};
    flash.cbSize = sizeof(flash);
    flash.hwnd = window_;
    flash.dwFlags = FLASHW_TRAY | FLASHW_TIMERNOFG;
    FlashWindowEx(&flash);
}

void Win32TaskbarButton::ApplyProgress() {
    if (!list_) {
        return;
    }
    if (state_ != TaskbarProgress::None) {
        list_->SetProgressValue(window_, completed_, total_);
    }
    list_->SetProgressState(window_, Flag(state_));
}

void Win32TaskbarButton::ApplyTooltip() {
    if (list_) {
        // No tooltip of its own gives the button the window's title.
        list_->SetThumbnailTooltip(window_, tooltip_.empty() ? nullptr : tooltip_.c_str());
    }
}

}  // namespace velutreck
