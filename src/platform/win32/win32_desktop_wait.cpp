#include "platform/win32/win32_desktop_wait.h"

#include <array>

#include "platform/win32/answering_wait.h"
#include "platform/win32/win32_desktop_keys.h"

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
// left to take, so only a lasting state is a safe sign: the key is held down until it is seen.
bool KeySeenDown(WORD key) { return (GetKeyState(key) & 0x8000) != 0; }

}  // namespace

InputWait::InputWait(HWND target)
    : target_(target), ownThread_(GetCurrentThreadId()), targetThread_(ThreadOf(target)), attached_(false) {
    // Attaching needs a message queue on both sides; this thread may not have made one yet.
    IsGUIThread(TRUE);
    attached_ = targetThread_ != 0 && targetThread_ != ownThread_ &&
                AttachThreadInput(ownThread_, targetThread_, TRUE) != FALSE;
}

InputWait::~InputWait() {
    Release();
    if (attached_) {
        AttachThreadInput(ownThread_, targetThread_, FALSE);
    }
}

void InputWait::HoldBack(std::vector<KeyEvent> releases, WORD key) {
    releases_ = std::move(releases);
    heldKey_ = key;
}

void InputWait::Release() {
    if (!releases_.empty()) {
        std::vector<INPUT> inputs = ToInputs(releases_);
        SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
        releases_.clear();
    }
    heldKey_ = 0;
}

bool InputWait::Complete(DWORD idleTimeoutMilliseconds) {
    bool taken = true;
    if (attached_ && heldKey_ != 0) {
        taken = AwaitKeyDown(heldKey_, idleTimeoutMilliseconds);
    } else if (attached_ && SendMarker(0)) {
        taken = AwaitKeyDown(MarkerKey, idleTimeoutMilliseconds);
        SendMarker(KEYEVENTF_KEYUP);
    }
    Release();
    if (!taken) {
        return false;
    }
    HWND foreground = GetForegroundWindow();
    SendMessageTimeoutW(foreground != nullptr ? foreground : target_, WM_NULL, 0, 0, SMTO_ABORTIFHUNG,
                        idleTimeoutMilliseconds, nullptr);
    return true;
}

// False when the target took no key for the whole idle time.
bool InputWait::AwaitKeyDown(WORD key, DWORD idleTimeoutMilliseconds) const {
    // Every key taken out of the queue changes the shared key state, which shows that the target
    // is busy with the keys rather than hung.
    std::array<BYTE, 256> seen{};
    GetKeyboardState(seen.data());
    ULONGLONG lastProgress = GetTickCount64();
    while (!KeySeenDown(key)) {
        // When the focus moves to another thread on the way (a key opened another program's
        // window), the last key goes there and this thread no longer sees it. While activation
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
