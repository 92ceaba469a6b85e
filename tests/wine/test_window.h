// A window of the test's own thread that holds real controls for the in-process Wine tests, and
// pumps its messages while a test waits.
#pragma once

#include <functional>
#include <thread>

#include "platform/win32/windows_api.h"

namespace velutreck::windowtest {

class TestWindow {
public:
    TestWindow();
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;
    ~TestWindow();

    HWND Window() const { return window_; }
    // A child control of a window class with a style, placed at a rectangle.
    HWND AddChild(const wchar_t* className, DWORD style, const wchar_t* text, RECT place = {10, 10, 200, 40});

    // Every message this window receives goes here first; unhandled ones go to the default.
    std::function<bool(UINT, WPARAM, LPARAM, LRESULT&)> onMessage;

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND window_ = nullptr;
};

// Sends the window a message from a thread of its own after a delay, as another program would, and
// notes how long the answer took; join the thread before reading it.
std::thread AskLater(HWND window, UINT message, DWORD delayMs, ULONGLONG& answeredAfterMs);
// Handles this thread's messages for a while.
void PumpMessages(DWORD milliseconds);
// Handles this thread's messages until the condition holds or the time is up; says which.
bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs = 5000);

}  // namespace velutreck::windowtest
