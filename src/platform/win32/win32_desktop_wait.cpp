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
        const WORD key = heldKey_;
        taken = AwaitKey(key, true, idleTimeoutMilliseconds);
        Release();
        // TranslateMessage posts the character of a key-down, and a posted message is taken before
        // the input behind it: once the release shows, the last character has been handled too.
        taken = taken && AwaitKey(key, false, idleTimeoutMilliseconds);
    } else if (attached_ && SendMarker(0)) {
        taken = AwaitKey(MarkerKey, true, idleTimeoutMilliseconds);
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

// Until the shared key state shows the key down (or up); false when the target took no key for the
// whole idle time.
bool InputWait::AwaitKey(WORD key, bool down, DWORD idleTimeoutMilliseconds) const {
    // Every key taken out of the queue changes the shared key state, which shows that the target
    // is busy with the keys rather than hung.
    std::array<BYTE, 256> seen{};
    GetKeyboardState(seen.data());
    ULONGLONG lastProgress = GetTickCount64();
    while (KeySeenDown(key) != down) {
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
