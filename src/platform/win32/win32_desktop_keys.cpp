#include "platform/win32/win32_desktop_keys.h"

#include <iterator>

#include "base/failure.h"

namespace velutreck {

namespace {

UINT Send(const std::vector<KeyEvent>& events) {
    if (events.empty()) {
        return 0;
    }
    std::vector<INPUT> inputs = ToInputs(events);
    return SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

// The lowest bit of the key state is the toggle of a lock key.
bool CapsLockOn() { return (GetKeyState(VK_CAPITAL) & 1) != 0; }

// MapVirtualKeyExW sets the top bit for a key that is dead without Shift: what it types depends
// on the next key.
bool DeadWithoutShift(UINT virtualKey, HKL layout) {
    return (MapVirtualKeyExW(virtualKey, MAPVK_VK_TO_CHAR, layout) & 0x80000000u) != 0;
}

// Only where ToUnicodeEx cannot tell: the common layouts with dead keys have one that is dead
// without Shift (US-International ' and `, French and German ^, Spanish ´).
bool AnyKeyDeadWithoutShift(HKL layout) {
    for (UINT virtualKey = 0x01; virtualKey <= 0xFE; ++virtualKey) {
        if (DeadWithoutShift(virtualKey, layout)) {
            return true;
        }
    }
    return false;
}

// ToUnicodeEx leaves the keyboard state alone with flag bit 2 from Windows 10 version 1607 (build
// 14393) on; before, it takes a dead key into the asking thread's state. RtlGetVersion tells the
// real version whatever the program's manifest says.
bool ToUnicodeLeavesStateAlone() {
    static const bool leaves = [] {
        using GetVersion = LONG(WINAPI*)(OSVERSIONINFOW*);
        const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
        const auto get = ntdll != nullptr ? reinterpret_cast<GetVersion>(
                                                reinterpret_cast<void*>(GetProcAddress(ntdll, "RtlGetVersion")))
                                          : nullptr;
        OSVERSIONINFOW info{};
        info.dwOSVersionInfoSize = sizeof(info);
        if (get == nullptr || get(&info) != 0) {
            return false;
        }
        return info.dwMajorVersion > 10 || (info.dwMajorVersion == 10 && info.dwBuildNumber >= 14393);
    }();
    return leaves;
}

}  // namespace

WindowKeyboardLayout::WindowKeyboardLayout(HWND window)
    : WindowKeyboardLayout(GetKeyboardLayout(GetWindowThreadProcessId(window, nullptr))) {}

WindowKeyboardLayout::WindowKeyboardLayout(HKL layout)
    : layout_(layout), hasDeadKeys_(AnyKeyDeadWithoutShift(layout)) {}

// VkKeyScanExW gives the key in the low byte and the shift state in the high one: 1 Shift,
// 2 Ctrl, 4 Alt, higher bits for keys we cannot press; -1 when no key types the character.
std::optional<LayoutKey> WindowKeyboardLayout::KeyFor(char16_t character) const {
    const SHORT key = VkKeyScanExW(static_cast<wchar_t>(character), layout_);
    const BYTE virtualKey = LOBYTE(key);
    const BYTE shiftState = HIBYTE(key);
    if (virtualKey == 0xFF || (shiftState & ~7) != 0) {
        return std::nullopt;
    }
    if (shiftState == 0 && DeadWithoutShift(virtualKey, layout_)) {
        return std::nullopt;
    }
    return LayoutKey{.virtualKey = virtualKey,
                     .shift = (shiftState & 1) != 0,
                     .ctrl = (shiftState & 2) != 0,
                     .alt = (shiftState & 4) != 0};
}

// ToUnicodeEx answers -1 for a dead key, at whatever level the modifiers of the key state name.
std::optional<bool> WindowKeyboardLayout::IsDeadKey(const LayoutKey& key) const {
    constexpr UINT KeepKeyboardState = 0x4;
    if (!ToUnicodeLeavesStateAlone()) {
        return std::nullopt;
    }
    BYTE state[256]{};
    state[VK_SHIFT] = key.shift ? 0x80 : 0;
    state[VK_CONTROL] = key.ctrl ? 0x80 : 0;
    state[VK_MENU] = key.alt ? 0x80 : 0;
    wchar_t typed[8];
    return ToUnicodeEx(key.virtualKey, ScanCode(key.virtualKey), state, typed, static_cast<int>(std::size(typed)),
                       KeepKeyboardState, layout_) < 0;
}

std::uint16_t WindowKeyboardLayout::ScanCode(std::uint16_t virtualKey) const {
    return static_cast<std::uint16_t>(MapVirtualKeyExW(virtualKey, MAPVK_VK_TO_VSC, layout_));
}

std::vector<INPUT> ToInputs(const std::vector<KeyEvent>& events) {
    std::vector<INPUT> inputs;
    for (const KeyEvent& event : events) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = event.virtualKey;
        input.ki.wScan = event.scanCode;
        input.ki.dwFlags = (event.up ? KEYEVENTF_KEYUP : 0) | (event.extended ? KEYEVENTF_EXTENDEDKEY : 0) |
                           (event.unicode ? KEYEVENTF_UNICODE : 0);
        inputs.push_back(input);
    }
    return inputs;
}

void SendBatch(const std::vector<KeyEvent>& batch, const std::string& notation) {
    const UINT sent = Send(batch);
    if (sent == batch.size()) {
        return;
    }
    Send(ReleasesOwed(batch, sent));
    throw Failure(FailureKind::Automation, "The keys \"" + notation + "\" could not be typed.");
}

CapsLockOffWhileTyping::CapsLockOffWhileTyping(const KeyboardLayout& layout, const std::string& notation,
                                               Desktop& desktop)
    : desktop_(desktop), press_(CapsLockToggleEvents(true, layout)), wasOn_(CapsLockOn()) {
    if (!wasOn_) {
        return;
    }
    SendBatch(press_, notation);
    // The lock changes as the system takes the press, a moment after SendInput; while this thread
    // shares the target's input state, once the target has read it.
    for (int check = 0; check < 20 && !turnedOff_; ++check) {
        desktop_.Pause(10);
        turnedOff_ = !CapsLockOn();
    }
}

// Nothing can be done about a restore that Windows refuses.
CapsLockOffWhileTyping::~CapsLockOffWhileTyping() {
    if (turnedOff_) {
        Send(press_);
    } else if (wasOn_) {
        desktop_.Pause(50);
        if (!CapsLockOn()) {
            Send(press_);
        }
    }
}

}  // namespace velutreck
