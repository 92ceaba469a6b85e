#include "platform/win32/win32_controls.h"

#include <vector>

#include "base/failure.h"
#include "platform/win32/wide_text.h"

namespace velutreck {

std::string ReadWindowText(HWND window) {
    const auto length = SendMessageW(window, WM_GETTEXTLENGTH, 0, 0);
    if (length <= 0) {
        return {};
    }
    std::vector<wchar_t> buffer(static_cast<std::size_t>(length) + 1);
    const auto copied = SendMessageW(window, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()));
    return Narrow(std::wstring_view(buffer.data(), static_cast<std::size_t>(copied)));
}

void WriteWindowText(HWND window, const std::string& text) {
    const std::wstring wide = Widen(text);
    if (!SendMessageW(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()))) {
        throw Failure(FailureKind::Control, "The text \"" + text + "\" could not be set.");
    }
}

template <typename Interface>
bool Win32Control<Interface>::Enabled() const {
    return IsWindowEnabled(window_) != FALSE;
}

template <typename Interface>
void Win32Control<Interface>::SetEnabled(bool enabled) {
    EnableWindow(window_, enabled ? TRUE : FALSE);
}

template <typename Interface>
std::string Win32Control<Interface>::ToolTipText() const {
    return tips_.Text(window_);
}

template <typename Interface>
void Win32Control<Interface>::SetToolTipText(const std::string& text) {
    tips_.SetText(window_, text);
}

template class Win32Control<TextBox>;
template class Win32Control<CheckBox>;
template class Win32Control<Button>;
template class Win32Control<Label>;
template class Win32Control<ComboBox>;
template class Win32Control<ListBox>;

std::string Win32TextBox::Text() const { return ReadWindowText(window_); }

void Win32TextBox::SetText(const std::string& text) { WriteWindowText(window_, text); }

Int16 Win32CheckBox::Value() const {
    switch (SendMessageW(window_, BM_GETCHECK, 0, 0)) {
    case BST_CHECKED: return 1;
    case BST_INDETERMINATE: return 2;
    default: return 0;
    }
}

void Win32CheckBox::SetValue(Int16 value) {
    static constexpr WPARAM States[] = {BST_UNCHECKED, BST_CHECKED, BST_INDETERMINATE};
    const int index = static_cast<int>(value);
    if (index < 0 || index > 2) {
        throw Failure(FailureKind::Control, "Invalid check box value " + std::to_string(index));
    }
    SendMessageW(window_, BM_SETCHECK, States[index], 0);
}

std::string Win32Button::Caption() const { return ReadWindowText(window_); }

void Win32Button::SetCaption(const std::string& caption) { WriteWindowText(window_, caption); }

std::string Win32Label::Caption() const { return ReadWindowText(window_); }

void Win32Label::SetCaption(const std::string& caption) {
    WriteWindowText(window_, caption);
    if (sizesToCaption_) {
        SizeLabelToCaption(window_);
    }
}

void SizeLabelToCaption(HWND label) {
    const std::wstring caption = Widen(ReadWindowText(label));
    const HDC dc = GetDC(label);
    const auto font = reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0));
    const HGDIOBJ oldFont = font ? SelectObject(dc, font) : nullptr;
    RECT extent{};
    DrawTextW(dc, caption.empty() ? L" " : caption.c_str(), -1, &extent, DT_CALCRECT | DT_LEFT | DT_EXPANDTABS);
    if (oldFont) {
        SelectObject(dc, oldFont);
    }
    ReleaseDC(label, dc);
    const int width = caption.empty() ? 0 : extent.right - extent.left;
    SetWindowPos(label, nullptr, 0, 0, width, extent.bottom - extent.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace velutreck
