// A keyboard test window for the Wine tests: a top-level window titled as its command line says
// (everything after "--title "), with an edit box that takes the focus and a log of every key-down
// it gets, one line each: the modifiers held when the key was taken from the queue, then the
// virtual key in hexadecimal ("Shift+Alt+59"). The log is a child window of class "KeyLog" that
// answers WM_GETTEXT and is emptied by WM_SETTEXT; it keeps the text in memory, so that logging
// costs next to nothing and the window takes keys as fast as a plain edit box. A hidden "Static"
// child holds the command line the program was given. Tests can make the window slow or hung, or
// open a second window of the same kind (key_capture_messages.h).
#include <algorithm>
#include <cwchar>
#include <string>

#include "key_capture_messages.h"
#include "platform/win32/windows_api.h"

namespace {

constexpr int TypingId = 1;
constexpr int LogId = 2;
constexpr int CommandLineId = 3;

std::wstring title;
std::wstring keyLog;
DWORD delayPerKey = 0;
DWORD hangAtNextKey = 0;

std::wstring TitleFromCommandLine() {
    const std::wstring commandLine = GetCommandLineW();
    const std::wstring marker = L"--title ";
    const std::size_t at = commandLine.find(marker);
    return at == std::wstring::npos ? L"Key Capture" : commandLine.substr(at + marker.size());
}

bool Held(int virtualKey) { return (GetKeyState(virtualKey) & 0x8000) != 0; }

void LogKeyDown(WPARAM virtualKey) {
    std::wstring line;
    if (Held(VK_SHIFT)) line += L"Shift+";
    if (Held(VK_CONTROL)) line += L"Ctrl+";
    if (Held(VK_MENU)) line += L"Alt+";
    wchar_t code[8];
    std::swprintf(code, 8, L"%02X\r\n", static_cast<unsigned>(virtualKey & 0xFF));
    keyLog += line + code;
}

LRESULT CALLBACK LogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_GETTEXTLENGTH:
            return static_cast<LRESULT>(keyLog.size());
        case WM_GETTEXT: {
            if (wParam == 0) {
                return 0;
            }
            const std::size_t length = std::min<std::size_t>(keyLog.size(), wParam - 1);
            auto* buffer = reinterpret_cast<wchar_t*>(lParam);
            keyLog.copy(buffer, length);
            buffer[length] = L'\0';
            return static_cast<LRESULT>(length);
        }
        case WM_SETTEXT:
            keyLog.clear();
            return TRUE;
        default:
            return DefWindowProcW(window, message, wParam, lParam);
    }
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            CreateWindowExW(WS_EX_CLIENTEDGE, L"Edit", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL,
                                     10, 10, 560, 24, window, reinterpret_cast<HMENU>(TypingId), nullptr, nullptr);
            CreateWindowExW(0, L"KeyLog", L"", WS_CHILD, 0, 0, 0, 0, window, reinterpret_cast<HMENU>(LogId), nullptr,
                            nullptr);
            CreateWindowExW(0, L"Static", GetCommandLineW(), WS_CHILD, 0, 0, 0, 0, window,
                            reinterpret_cast<HMENU>(CommandLineId), nullptr, nullptr);
            return 0;
        case WM_ACTIVATE:
            if (LOWORD(wParam) != WA_INACTIVE) {
                SetFocus(GetDlgItem(window, TypingId));
            }
            return 0;
        case WM_SYSCOMMAND:
            // Alt combinations must reach the log, not open the window menu.
            if ((wParam & 0xFFF0) == SC_KEYMENU) {
                return 0;
            }
            break;
        case velutreck::KeyCaptureSetDelay:
            delayPerKey = static_cast<DWORD>(wParam);
            return 0;
        case velutreck::KeyCaptureHangAtNextKey:
            hangAtNextKey = static_cast<DWORD>(wParam);
            return 0;
        case velutreck::KeyCaptureOpenSecondWindow: {
            const HWND second = CreateWindowExW(0, L"VelutreckKeyCapture", (title + L" Second").c_str(),
                                                WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 600, 300, nullptr,
                                                nullptr, GetModuleHandleW(nullptr), nullptr);
            ShowWindow(second, SW_SHOW);
            return 0;
        }
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = L"VelutreckKeyCapture";
    RegisterClassW(&windowClass);
    WNDCLASSW logClass{};
    logClass.lpfnWndProc = LogProc;
    logClass.hInstance = instance;
    logClass.lpszClassName = L"KeyLog";
    RegisterClassW(&logClass);
    title = TitleFromCommandLine();
    HWND window = CreateWindowExW(0, windowClass.lpszClassName, title.c_str(), WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                  CW_USEDEFAULT, 600, 300, nullptr, nullptr, instance, nullptr);
    ShowWindow(window, show);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN) {
            LogKeyDown(message.wParam);
            Sleep(delayPerKey + hangAtNextKey);
            hangAtNextKey = 0;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
