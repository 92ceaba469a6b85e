#include "platform/win32/win32_desktop_wait.h"

#include <array>

#include "platform/win32/answering_wait.h"

namespace velutreck {

namespace {

// Unassigned by Windows: no keyboard sends it and programs pass it by.
constexpr WORD MarkerKey = 0xE8;

DWORD ThreadOf(HWND window) { return window == nullptr ? 0 : GetWindowThreadProcessId(window, nullptr); }

bool SendMarker(DWORD flags) {
    INPUT marker{};
    marker.type = INPUT_KEYBOARD;
    marker.ki.wVk = MarkerKey;
    marker.ki.dwFlags = flags;
    return SendInput(1, &marker, sizeof(INPUT)) == 1;
}

// Wine brings the shared key state up to date with the keyboard's whenever the target has no key
// left to take, so only a lasting state is a safe sign: the marker is held down until it is seen.
bool MarkerSeen() { return (GetKeyState(MarkerKey) & 0x8000) != 0; }

}  // namespace

InputWait::InputWait(HWND target)
    : target_(target), ownThread_(GetCurrentThreadId()), targetThread_(ThreadOf(target)), attached_(false) {
    // Attaching needs a message queue on both sides; this thread may not have made one yet.
    IsGUIThread(TRUE);
    attached_ = targetThread_ != 0 && targetThread_ != ownThread_ &&
                AttachThreadInput(ownThread_, targetThread_, TRUE) != FALSE;
}

InputWait::~InputWait() {
    if (attached_) {
        AttachThreadInput(ownThread_, targetThread_, FALSE);
    }
}

bool InputWait::Complete(DWORD idleTimeoutMilliseconds) {
    if (attached_ && SendMarker(0)) {
        const bool taken = AwaitMarker(idleTimeoutMilliseconds);
        SendMarker(KEYEVENTF_KEYUP);
        if (!taken) {
            return false;
        }
    }
    HWND foreground = GetForegroundWindow();
    SendMessageTimeoutW(foreground != nullptr ? foreground : target_, WM_NULL, 0, 0, SMTO_ABORTIFHUNG,
                        idleTimeoutMilliseconds, nullptr);
    return true;
}

// False when the target took no key for the whole idle time.
bool InputWait::AwaitMarker(DWORD idleTimeoutMilliseconds) const {
    // Every key taken out of the queue changes the shared key state, which shows that the target
    // is busy with the keys rather than hung.
    std::array<BYTE, 256> seen{};
    GetKeyboardState(seen.data());
    ULONGLONG lastProgress = GetTickCount64();
    while (!MarkerSeen()) {
        // When the focus moves to another thread on the way (a key opened another program's
        // window), the marker goes there and this thread no longer sees it. While activation
        // changes hands there may be no foreground window at all for a moment.
        const DWORD foregroundThread = ThreadOf(GetForegroundWindow());
        if (foregroundThread != 0 && foregroundThread != targetThread_) {
            return true;
        }
        std::array<BYTE, 256> now{};
        GetKeyboardState(now.data());
        if (now != seen) {
            seen = now;
            lastProgress = GetTickCount64();
        } else if (GetTickCount64() - lastProgress >= idleTimeoutMilliseconds) {
            return false;
        }
        WaitAnswering(1);
    }
    return true;
}

}  // namespace velutreck
