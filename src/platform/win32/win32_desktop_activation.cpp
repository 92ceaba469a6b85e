#include "platform/win32/win32_desktop_activation.h"

#include <iterator>
#include <vector>

#include "base/failure.h"
#include "platform/win32/answering_wait.h"
#include "platform/win32/wide_text.h"

namespace velutreck {

namespace {

std::vector<HWND> TopLevelWindows() {
    std::vector<HWND> windows;
    EnumWindows(
        [](HWND window, LPARAM found) -> BOOL {
            reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&windows));
    return windows;
}

// For another program's window GetWindowTextW reads the stored caption without a message, so a
// hung program cannot hang the search; GetWindowTextLengthW would ask it. Longer titles are cut,
// as they always were.
std::wstring TitleOf(HWND window) {
    wchar_t title[512];
    const int length = GetWindowTextW(window, title, static_cast<int>(std::size(title)));
    return std::wstring(title, static_cast<std::size_t>(length > 0 ? length : 0));
}

bool SameText(std::wstring_view a, std::wstring_view b) {
    return a.size() == b.size() &&
           CompareStringOrdinal(a.data(), static_cast<int>(a.size()), b.data(), static_cast<int>(b.size()), TRUE) ==
               CSTR_EQUAL;
}

bool IsForegroundFor(HWND window) {
    for (HWND owner = GetForegroundWindow(); owner != nullptr; owner = GetWindow(owner, GW_OWNER)) {
        if (owner == window) {
            return true;
        }
    }
    return false;
}

// SetForegroundWindow's answer is not to be trusted either way: look at the outcome.
bool TryForeground(HWND window) {
    SetForegroundWindow(window);
    for (int poll = 0; poll < 5; ++poll) {
        if (IsForegroundFor(window)) {
            return true;
        }
        WaitAnswering(10);
    }
    return false;
}

// Windows lets the program that received the last input event take the foreground. A lone Alt
// key-up counts as input and, unlike a full Alt press, opens no menu.
void SendAltKeyUp() {
    INPUT altUp{};
    altUp.type = INPUT_KEYBOARD;
    altUp.ki.wVk = VK_MENU;
    altUp.ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(1, &altUp, sizeof(INPUT));
}

// Threads that share their input state share the foreground rights too: join this thread to the
// foreground window's thread and that one to the target's for the length of one attempt. A thread
// that does not respond is left alone: sharing its input state could stall this one.
class SharedInput {
public:
    explicit SharedInput(HWND target) {
        const DWORD own = GetCurrentThreadId();
        const HWND foregroundWindow = GetForegroundWindow();
        const DWORD foreground =
            IsHungAppWindow(foregroundWindow) ? 0 : GetWindowThreadProcessId(foregroundWindow, nullptr);
        const DWORD targetThread = GetWindowThreadProcessId(target, nullptr);
        Attach(own, foreground);
        Attach(foreground, targetThread);
    }
    SharedInput(const SharedInput&) = delete;
    SharedInput& operator=(const SharedInput&) = delete;
    ~SharedInput() {
        for (const auto& [from, to] : pairs_) {
            AttachThreadInput(from, to, FALSE);
        }
    }

private:
    void Attach(DWORD from, DWORD to) {
        if (from != 0 && to != 0 && from != to && AttachThreadInput(from, to, TRUE)) {
            pairs_.emplace_back(from, to);
        }
    }

    std::vector<std::pair<DWORD, DWORD>> pairs_;
};

[[noreturn]] void WindowGone() {
    throw Failure(FailureKind::Automation, "The window to activate has closed.");
}

std::string Quoted(HWND window) { return "\"" + Narrow(TitleOf(window)) + "\""; }

// A minimised window comes back after a moment; wait for it, but never for long.
void Restore(HWND window) {
    ShowWindowAsync(window, SW_RESTORE);
    for (int poll = 0; poll < 50 && IsIconic(window); ++poll) {
        WaitAnswering(10);
    }
}

}  // namespace

HWND FindWindowByTitle(std::wstring_view title) {
    std::vector<std::pair<HWND, std::wstring>> titled;
    for (HWND window : TopLevelWindows()) {
        if (IsWindowVisible(window)) {
            titled.emplace_back(window, TitleOf(window));
        }
    }
    for (const auto& [window, text] : titled) {
        if (SameText(text, title)) {
            return window;
        }
    }
    for (const auto& [window, text] : titled) {
        if (text.size() >= title.size() && SameText(std::wstring_view(text).substr(0, title.size()), title)) {
            return window;
        }
    }
    return nullptr;
}

HWND FindWindowOfProcess(DWORD processId) {
    HWND any = nullptr;
    for (HWND window : TopLevelWindows()) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner != processId) {
            continue;
        }
        if (IsWindowVisible(window) && IsWindowEnabled(window)) {
            return window;
        }
        if (any == nullptr) {
            any = window;
        }
    }
    return any;
}

// Nothing here waits for the window's program: a program that does not respond must not hang
// Velutreck, so the calls that would (ShowWindow, BringWindowToTop) go in their asynchronous forms.
void BringToForeground(HWND window) {
    if (!IsWindow(window)) {
        WindowGone();
    }
    if (IsHungAppWindow(window)) {
        throw Failure(FailureKind::NotResponding, "The window " + Quoted(window) + " is not responding.");
    }
    if (IsIconic(window)) {
        Restore(window);
    }
    bool done = IsForegroundFor(window) || TryForeground(window);
    for (int attempt = 0; !done && attempt < 4; ++attempt) {
        if (!IsWindow(window)) {
            WindowGone();
        }
        if (attempt == 0) {
            SendAltKeyUp();
        }
        const SharedInput shared(window);
        done = TryForeground(window);
    }
    if (!IsWindow(window)) {
        WindowGone();
    }
    // Keys typed now would go to whatever Windows kept in front.
    if (!done) {
        throw Failure(FailureKind::Automation,
                      "The window " + Quoted(window) + " could not be brought to the front: Windows kept another "
                      "window there.");
    }
    SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_ASYNCWINDOWPOS);
}

}  // namespace velutreck
