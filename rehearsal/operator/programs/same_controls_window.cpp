// The yardstick of scripts/bench-startup: a window as large as Velutreck's with the same system DLLs,
// the same manifest and about fifty common controls of the kinds Velutreck's window has, created,
// placed and shown the way Velutreck shows its own, and nothing else. Velutreck's start-up is
// measured as a ratio against it, so that a loaded machine slows both alike.
#include <array>

#include "platform/win32/windows_api.h"

#include <commctrl.h>
#include <commdlg.h>
#include <imm.h>
#include <ole2.h>
#include <shlobj.h>

namespace {

constexpr wchar_t ClassName[] = L"Velutreck.SameControls";
constexpr int ClientWidth = 722;
constexpr int ClientHeight = 529;
constexpr int TabTop = 40;
constexpr int TabHeight = 420;

// A function of each DLL Velutreck.exe imports, so that this program's loader maps the same ones.
const void* const volatile ImportedAsVelutreckDoes[] = {
    reinterpret_cast<const void*>(&RegCloseKey),          reinterpret_cast<const void*>(&CommDlgExtendedError),
    reinterpret_cast<const void*>(&ImmGetContext),        reinterpret_cast<const void*>(&CoTaskMemFree),
    reinterpret_cast<const void*>(&SHGetKnownFolderPath), reinterpret_cast<const void*>(&CreateFontIndirectW),
};

struct Kind {
    const wchar_t* className;
    DWORD style;
    DWORD exStyle;
    int count;
    int width;
    int height;
    UINT setIcon;  // the message that gives the control its picture, 0 for none
};

// As many of each kind as Velutreck's window has; one in three lies on the tab page in front.
constexpr std::array<Kind, 11> Kinds{{
    {WC_BUTTONW, BS_PUSHBUTTON | WS_TABSTOP, 0, 11, 75, 23, 0},
    {WC_BUTTONW, BS_AUTOCHECKBOX | WS_TABSTOP, 0, 5, 200, 17, 0},
    {WC_BUTTONW, BS_PUSHBUTTON | BS_ICON | WS_TABSTOP, 0, 2, 25, 25, BM_SETIMAGE},
    {WC_EDITW, ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE, 6, 300, 21, 0},
    {WC_LISTBOXW, LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_HSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE, 1, 400,
     250, 0},
    {WC_COMBOBOXW, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0, 2, 100, 140, 0},
    {UPDOWN_CLASSW, UDS_SETBUDDYINT | UDS_NOTHOUSANDS | UDS_ARROWKEYS, 0, 1, 17, 21, 0},
    {WC_STATICW, SS_LEFTNOWORDWRAP, 0, 13, 150, 15, 0},
    {WC_STATICW, SS_LEFT, 0, 2, 300, 45, 0},
    {WC_STATICW, SS_ETCHEDHORZ, 0, 5, 500, 2, 0},
    {WC_STATICW, SS_ICON, 0, 5, 32, 32, STM_SETIMAGE},
}};

HFONT WindowFont() {
    LOGFONTW font{};
    font.lfHeight = -11;
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = DEFAULT_CHARSET;
    lstrcpyW(font.lfFaceName, L"Tahoma");
    return CreateFontIndirectW(&font);
}

LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    if (message == WM_CLOSE) {
        DestroyWindow(window);
        return 0;
    }
    return DefDlgProcW(window, message, wParam, lParam);
}

void CreateControls(HWND window, HINSTANCE instance, HFONT font) {
    const HWND tab = CreateWindowExW(0, WC_TABCONTROLW, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS, 0,
                                     TabTop, ClientWidth, TabHeight, window, nullptr, instance, nullptr);
    SendMessageW(tab, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    for (const wchar_t* caption : {L"Files", L"Settings", L"About"}) {
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<wchar_t*>(caption);
        SendMessageW(tab, TCM_INSERTITEMW, SendMessageW(tab, TCM_GETITEMCOUNT, 0, 0), reinterpret_cast<LPARAM>(&item));
    }
    const HICON icon = LoadIconW(nullptr, IDI_APPLICATION);
    int placed = 0;
    for (const Kind& kind : Kinds) {
        for (int i = 0; i < kind.count; ++i, ++placed) {
            const DWORD visible = placed % 3 == 0 ? WS_VISIBLE : 0;
            const int left = 10 + (placed % 4) * 175;
            const int top = TabTop + 30 + (placed / 4) * 30;
            const HWND control = CreateWindowExW(kind.exStyle, kind.className, L"Caption", WS_CHILD | visible | kind.style,
                                                 0, 0, 0, 0, window, nullptr, instance, nullptr);
            SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
            SetWindowPos(control, nullptr, left, top, kind.width, kind.height, SWP_NOZORDER | SWP_NOACTIVATE);
            if (kind.setIcon) {
                SendMessageW(control, kind.setIcon, IMAGE_ICON, reinterpret_cast<LPARAM>(icon));
            }
        }
    }
    SetWindowPos(tab, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    for (const void* function : ImportedAsVelutreckDoes) {
        if (!function) {
            return 1;
        }
    }
    INITCOMMONCONTROLSEX commonControls{sizeof(commonControls), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&commonControls);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = &WindowProcedure;
    windowClass.cbWndExtra = DLGWINDOWEXTRA;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = ClassName;
    RegisterClassExW(&windowClass);
    constexpr DWORD Style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
    const HWND window = CreateWindowExW(0, ClassName, L"Same controls", Style, 0, 0, 0, 0, nullptr, nullptr, instance,
                                        nullptr);
    const HFONT font = WindowFont();
    CreateControls(window, instance, font);
    RECT frame{0, 0, ClientWidth, ClientHeight};
    AdjustWindowRectEx(&frame, Style, FALSE, 0);
    SetWindowPos(window, nullptr, 100, 100, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!IsDialogMessageW(window, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    DeleteObject(font);
    return static_cast<int>(message.wParam);
}
