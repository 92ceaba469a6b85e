#include "platform/win32/tool_tip_registry.h"

#include <commctrl.h>

#include "base/failure.h"
#include "platform/win32/wide_text.h"

namespace velutreck {

namespace {

TTTOOLINFOW ToolInfo(HWND owner, HWND tool) {
    TTTOOLINFOW info{};
    // The version 2 size is understood by every version of the common controls.
    info.cbSize = TTTOOLINFOW_V2_SIZE;
    info.uFlags = TTF_SUBCLASS | TTF_IDISHWND;
    info.hwnd = owner;
    info.uId = reinterpret_cast<UINT_PTR>(tool);
    info.lpszText = LPSTR_TEXTCALLBACKW;
    return info;
}

}  // namespace

ToolTipRegistry::ToolTipRegistry(HWND owner)
    : owner_(owner),
      tooltip_(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                               reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(owner, GWLP_HINSTANCE)), nullptr)) {
    if (!tooltip_) {
        throw Failure(FailureKind::Control, "The tooltip control could not be created.");
    }
}

void ToolTipRegistry::SetText(HWND tool, const std::string& text) {
    const bool known = texts_.contains(tool);
    texts_[tool] = text;
    TTTOOLINFOW info = ToolInfo(owner_, tool);
    if (!known && !SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info))) {
        texts_.erase(tool);
        throw Failure(FailureKind::Control, "The tooltip text could not be set.");
    }
    if (known) {
        SendMessageW(tooltip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&info));
    }
}

std::string ToolTipRegistry::Text(HWND tool) const {
    const auto found = texts_.find(tool);
    return found == texts_.end() ? std::string() : found->second;
}

TipAlignment ToolTipRegistry::Alignment(HWND tool) const {
    return markersRead_ ? ReadTipMarker(Text(tool)).alignment : TipAlignment::Left;
}

HWND ToolTipRegistry::CurrentTool() const {
    TTTOOLINFOW info{};
    info.cbSize = TTTOOLINFOW_V2_SIZE;
    if (!SendMessageW(tooltip_, TTM_GETCURRENTTOOLW, 0, reinterpret_cast<LPARAM>(&info))) {
        return nullptr;
    }
    return reinterpret_cast<HWND>(info.uId);
}

bool ToolTipRegistry::OnNotify(NMHDR& header) {
    if (header.hwndFrom != tooltip_ || header.code != TTN_GETDISPINFOW) {
        return false;
    }
    auto& request = reinterpret_cast<NMTTDISPINFOW&>(header);
    const std::string text = Text(reinterpret_cast<HWND>(header.idFrom));
    shown_ = Widen(markersRead_ ? ReadTipMarker(text).text : text);
    request.lpszText = shown_.data();
    request.hinst = nullptr;
    return true;
}

}  // namespace velutreck
