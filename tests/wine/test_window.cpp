#include "test_window.h"

namespace velutreck::windowtest {

namespace {

constexpr wchar_t ClassName[] = L"VelutreckWindowTestHost";

}  // namespace

TestWindow::TestWindow() {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = &TestWindow::Procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = ClassName;
    RegisterClassExW(&windowClass);
    window_ = CreateWindowExW(0, ClassName, L"Velutreck window test", WS_OVERLAPPEDWINDOW, 100, 100, 500, 300, nullptr,
                              nullptr, GetModuleHandleW(nullptr), this);
}

TestWindow::~TestWindow() {
    if (IsWindow(window_)) {
        DestroyWindow(window_);
    }
}

HWND TestWindow::AddChild(const wchar_t* className, DWORD style, const wchar_t* text, RECT place) {
    const HWND child = CreateWindowExW(0, className, text, WS_CHILD | WS_VISIBLE | style, place.left, place.top,
                                       place.right - place.left, place.bottom - place.top, window_, nullptr,
                                       GetModuleHandleW(nullptr), nullptr);
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    return child;
}

LRESULT CALLBACK TestWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
    }
    auto* self = reinterpret_cast<TestWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    LRESULT result = 0;
    if (self && self->onMessage && self->onMessage(message, wParam, lParam, result)) {
        return result;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

std::thread AskLater(HWND window, UINT message, DWORD delayMs, ULONGLONG& answeredAfterMs) {
    return std::thread([=, &answeredAfterMs] {
        Sleep(delayMs);
        const ULONGLONG asked = GetTickCount64();
        DWORD_PTR ignored = 0;
        SendMessageTimeoutW(window, message, 0, 0, SMTO_NORMAL, 10000, &ignored);
        answeredAfterMs = GetTickCount64() - asked;
    });
}

void PumpMessages(DWORD milliseconds) {
    PumpUntil([] { return false; }, milliseconds);
}

bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    while (!condition()) {
        if (GetTickCount64() >= deadline) {
            return false;
        }
        MSG message{};
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    return true;
}

}  // namespace velutreck::windowtest
