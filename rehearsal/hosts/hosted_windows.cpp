// The stand-in's windows: created of the class it names (a plain class is registered for a name
// Windows does not know), laid out one below the other so that a screenshot shows them, and
// subclassed so that their input reaches the stand-in instead of the control.
#include <algorithm>

#include "platform/win32/wide_text.h"
#include "windows_stand_in_host.h"

namespace velutreck {

namespace {

constexpr wchar_t HostProperty[] = L"VelutreckStandInHost";
constexpr int TopLevelWidth = 480;
constexpr int TopLevelHeight = 470;
constexpr int Margin = 8;

bool SameClass(const std::wstring& className, const wchar_t* name) {
    return CompareStringOrdinal(className.c_str(), -1, name, -1, TRUE) == CSTR_EQUAL;
}

void RegisterPlainClass(const std::wstring& className) {
    WNDCLASSEXW known{};
    known.cbSize = sizeof(known);
    if (GetClassInfoExW(GetModuleHandleW(nullptr), className.c_str(), &known)) {
        return;
    }
    WNDCLASSEXW plain{};
    plain.cbSize = sizeof(plain);
    plain.lpfnWndProc = &DefWindowProcW;
    plain.hInstance = GetModuleHandleW(nullptr);
    plain.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    plain.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    plain.lpszClassName = className.c_str();
    RegisterClassExW(&plain);
}

DWORD ChildStyle(const std::wstring& className) {
    if (SameClass(className, L"Edit")) {
        return WS_BORDER | ES_AUTOHSCROLL;
    }
    if (SameClass(className, L"ComboBox")) {
        return CBS_DROPDOWNLIST | WS_VSCROLL;
    }
    if (SameClass(className, L"Button")) {
        return BS_PUSHBUTTON;
    }
    if (SameClass(className, L"Static")) {
        return SS_LEFT;
    }
    return WS_BORDER;
}

// Panels hold rows of their own; a window of a class made up here is a list or a view.
int RowHeight(const std::wstring& className) {
    if (SameClass(className, L"#32770")) {
        return 150;
    }
    const bool standard = SameClass(className, L"Edit") || SameClass(className, L"ComboBox") ||
                          SameClass(className, L"Button") || SameClass(className, L"Static");
    return standard ? 24 : 80;
}

HeldKeys Held(LPARAM lParam) {
    const bool altInMessage = (HIWORD(lParam) & KF_ALTDOWN) != 0;
    return HeldKeys{.shift = GetKeyState(VK_SHIFT) < 0,
                    .ctrl = GetKeyState(VK_CONTROL) < 0,
                    .alt = altInMessage || GetKeyState(VK_MENU) < 0};
}

}  // namespace

WindowHandle WindowsStandInHost::AddWindow(WindowHandle parent, const std::string& className,
                                           const std::string& text) {
    const HWND parentWindow = ToHwnd(parent);
    if (parent != 0 && hosted_.find(parentWindow) == hosted_.end()) {
        return 0;
    }
    const HWND window = Create(parentWindow, Widen(className), Widen(text));
    if (window == nullptr) {
        return 0;
    }
    ShowText(window, text);
    if (parentWindow == nullptr) {
        // On top of the others, without the focus.
        ShowWindow(window, SW_SHOWNOACTIVATE);
        SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    return ToWindowHandle(window);
}

// Children are created in order, so each becomes its parent's last child in z-order.
HWND WindowsStandInHost::Create(HWND parent, const std::wstring& className, const std::wstring& text) {
    RegisterPlainClass(className);
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    HWND window = nullptr;
    if (parent == nullptr) {
        const int offset = 40 * (topLevelCount_++ % 8);
        window = CreateWindowExW(0, className.c_str(), text.c_str(), WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU,
                                 60 + offset, 60 + offset, TopLevelWidth, TopLevelHeight, nullptr, nullptr, instance,
                                 nullptr);
    } else {
        Hosted& owner = hosted_.at(parent);
        RECT client{};
        GetClientRect(parent, &client);
        const int row = RowHeight(className);
        const int height = SameClass(className, L"ComboBox") ? 120 : row;
        window = CreateWindowExW(0, className.c_str(), text.c_str(), WS_CHILD | WS_VISIBLE | ChildStyle(className),
                                 Margin, owner.nextChildTop, std::max(40, static_cast<int>(client.right) - 2 * Margin),
                                 height, parent, nullptr, instance, nullptr);
        owner.nextChildTop += row + Margin / 2;
    }
    if (window == nullptr) {
        return nullptr;
    }
    SetPropW(window, HostProperty, this);
    const auto original = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&HostedProc)));
    hosted_[window] = Hosted{.className = className, .original = original, .nextChildTop = Margin};
    return window;
}

void WindowsStandInHost::RemoveWindow(WindowHandle window) {
    if (hosted_.find(ToHwnd(window)) != hosted_.end()) {
        DestroyWindow(ToHwnd(window));
    }
}

void WindowsStandInHost::SetText(WindowHandle window, const std::string& text) {
    if (hosted_.find(ToHwnd(window)) != hosted_.end()) {
        ShowText(ToHwnd(window), text);
    }
}

// A drop-down list shows its selected entry, not a text of its own.
void WindowsStandInHost::ShowText(HWND window, const std::string& text) {
    const std::wstring wide = Widen(text);
    if (!SameClass(hosted_.at(window).className, L"ComboBox")) {
        SetWindowTextW(window, wide.c_str());
        return;
    }
    const auto entry = reinterpret_cast<LPARAM>(wide.c_str());
    LRESULT index = SendMessageW(window, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), entry);
    if (index == CB_ERR) {
        index = SendMessageW(window, CB_ADDSTRING, 0, entry);
    }
    SendMessageW(window, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

std::string WindowsStandInHost::TextOf(WindowHandle window) const {
    const HWND hwnd = ToHwnd(window);
    if (hosted_.find(hwnd) == hosted_.end()) {
        return {};
    }
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
    return Narrow(text);
}

void WindowsStandInHost::GiveFocus(WindowHandle window) {
    const HWND hwnd = ToHwnd(window);
    if (hosted_.find(hwnd) == hosted_.end()) {
        return;
    }
    SetForegroundWindow(GetAncestor(hwnd, GA_ROOT));
    SetFocus(hwnd);
}

LRESULT CALLBACK WindowsStandInHost::HostedProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* host = static_cast<WindowsStandInHost*>(GetPropW(window, HostProperty));
    return host != nullptr ? host->OnHostedMessage(window, message, wParam, lParam)
                           : DefWindowProcW(window, message, wParam, lParam);
}

LRESULT WindowsStandInHost::OnHostedMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto found = hosted_.find(window);
    if (found == hosted_.end()) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    const WNDPROC original = found->second.original;
    const WindowHandle handle = ToWindowHandle(window);
    const auto post = [&] {
        Deliver([&] { standIn_->OnMessage(handle, message, static_cast<std::uint32_t>(wParam),
                                          static_cast<std::uint32_t>(lParam)); });
    };
    switch (message) {
        case WM_KEYDOWN:
        case WM_KEYUP:
        case WM_SYSKEYDOWN:
        case WM_SYSKEYUP:
            if (dispatchingPosted_) {
                post();
                return 0;
            }
            [[fallthrough]];
        case WM_CHAR:
        case WM_SYSCHAR:
            if (const auto stroke = keys_.Read(message, wParam, Held(lParam))) {
                Deliver([&] { standIn_->OnKey(handle, *stroke); });
            }
            return 0;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_CLOSE:
            post();
            return 0;
        case WM_ACTIVATE:
        case WM_SETFOCUS:
            // A dialog would hand the focus on to one of its controls; the stand-in decides.
            if (SameClass(found->second.className, L"#32770")) {
                return DefWindowProcW(window, message, wParam, lParam);
            }
            break;
        case WM_NCDESTROY:
            hosted_.erase(found);
            RemovePropW(window, HostProperty);
            return CallWindowProcW(original, window, message, wParam, lParam);
        default:
            break;
    }
    return CallWindowProcW(original, window, message, wParam, lParam);
}

}  // namespace velutreck
