#include "platform/win32/win32_desktop_keys.h"

#include <algorithm>
#include <array>

#include "base/failure.h"

namespace velutreck {

namespace {

struct NamedKeyCode {
    NamedKey key;
    WORD virtualKey;
    bool extended;  // the keys of the grey block beside the typing keys
};

constexpr auto NamedKeyCodes = std::to_array<NamedKeyCode>({
    {NamedKey::Backspace, VK_BACK, false}, {NamedKey::Break, VK_CANCEL, true},
    {NamedKey::CapsLock, VK_CAPITAL, false}, {NamedKey::Delete, VK_DELETE, true},
    {NamedKey::Down, VK_DOWN, true}, {NamedKey::End, VK_END, true},
    {NamedKey::Enter, VK_RETURN, false}, {NamedKey::Escape, VK_ESCAPE, false},
    {NamedKey::Help, VK_HELP, false}, {NamedKey::Home, VK_HOME, true},
    {NamedKey::Insert, VK_INSERT, true}, {NamedKey::Left, VK_LEFT, true},
    {NamedKey::NumLock, VK_NUMLOCK, true}, {NamedKey::PageDown, VK_NEXT, true},
    {NamedKey::PageUp, VK_PRIOR, true}, {NamedKey::PrintScreen, VK_SNAPSHOT, true},
    {NamedKey::Right, VK_RIGHT, true}, {NamedKey::ScrollLock, VK_SCROLL, false},
    {NamedKey::Tab, VK_TAB, false}, {NamedKey::Up, VK_UP, true},
    {NamedKey::F1, VK_F1, false}, {NamedKey::F2, VK_F2, false}, {NamedKey::F3, VK_F3, false},
    {NamedKey::F4, VK_F4, false}, {NamedKey::F5, VK_F5, false}, {NamedKey::F6, VK_F6, false},
    {NamedKey::F7, VK_F7, false}, {NamedKey::F8, VK_F8, false}, {NamedKey::F9, VK_F9, false},
    {NamedKey::F10, VK_F10, false}, {NamedKey::F11, VK_F11, false}, {NamedKey::F12, VK_F12, false},
    {NamedKey::F13, VK_F13, false}, {NamedKey::F14, VK_F14, false}, {NamedKey::F15, VK_F15, false},
    {NamedKey::F16, VK_F16, false},
});

// Pressed in this order and released in the reverse one.
constexpr std::array<WORD, 3> ModifierKeys = {VK_CONTROL, VK_MENU, VK_SHIFT};

constexpr BYTE ShiftBit = 1;
constexpr BYTE CtrlBit = 2;
constexpr BYTE AltBit = 4;

bool IsModifier(WORD virtualKey) {
    return std::find(ModifierKeys.begin(), ModifierKeys.end(), virtualKey) != ModifierKeys.end();
}

INPUT KeyEvent(WORD virtualKey, WORD scanCode, DWORD flags) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.wScan = scanCode;
    input.ki.dwFlags = flags;
    return input;
}

std::vector<INPUT> PressHeld(WORD virtualKey, bool extended, BYTE held, const KeyboardLayout& layout) {
    const BYTE bits[] = {CtrlBit, AltBit, ShiftBit};
    std::vector<INPUT> inputs;
    for (std::size_t i = 0; i < ModifierKeys.size(); ++i) {
        if (held & bits[i]) {
            inputs.push_back(KeyEvent(ModifierKeys[i], layout.ScanCode(ModifierKeys[i]), 0));
        }
    }
    const DWORD extendedFlag = extended ? KEYEVENTF_EXTENDEDKEY : 0;
    const WORD scanCode = layout.ScanCode(virtualKey);
    inputs.push_back(KeyEvent(virtualKey, scanCode, extendedFlag));
    inputs.push_back(KeyEvent(virtualKey, scanCode, extendedFlag | KEYEVENTF_KEYUP));
    for (std::size_t i = ModifierKeys.size(); i-- > 0;) {
        if (held & bits[i]) {
            inputs.push_back(KeyEvent(ModifierKeys[i], layout.ScanCode(ModifierKeys[i]), KEYEVENTF_KEYUP));
        }
    }
    return inputs;
}

// Modifiers interfere with Unicode packets in some programs, so none is held over them.
std::vector<INPUT> UnicodeInputs(char32_t character) {
    std::vector<wchar_t> units;
    if (character > 0xFFFF) {
        const char32_t offset = character - 0x10000;
        units = {static_cast<wchar_t>(0xD800 + (offset >> 10)), static_cast<wchar_t>(0xDC00 + (offset & 0x3FF))};
    } else {
        units = {static_cast<wchar_t>(character)};
    }
    std::vector<INPUT> inputs;
    for (wchar_t unit : units) {
        inputs.push_back(KeyEvent(0, unit, KEYEVENTF_UNICODE));
        inputs.push_back(KeyEvent(0, unit, KEYEVENTF_UNICODE | KEYEVENTF_KEYUP));
    }
    return inputs;
}

BYTE HeldBits(const KeyStroke& stroke) {
    return static_cast<BYTE>((stroke.shift ? ShiftBit : 0) | (stroke.ctrl ? CtrlBit : 0) | (stroke.alt ? AltBit : 0));
}

}  // namespace

WindowKeyboardLayout::WindowKeyboardLayout(HWND window)
    : layout_(GetKeyboardLayout(GetWindowThreadProcessId(window, nullptr))) {}

SHORT WindowKeyboardLayout::KeyFor(wchar_t character) const { return VkKeyScanExW(character, layout_); }

WORD WindowKeyboardLayout::ScanCode(WORD virtualKey) const {
    return static_cast<WORD>(MapVirtualKeyExW(virtualKey, MAPVK_VK_TO_VSC, layout_));
}

std::vector<INPUT> StrokeInputs(const KeyStroke& stroke, const KeyboardLayout& layout) {
    if (stroke.key != NamedKey::None) {
        const auto code = std::find_if(NamedKeyCodes.begin(), NamedKeyCodes.end(),
                                       [&](const NamedKeyCode& entry) { return entry.key == stroke.key; });
        if (code == NamedKeyCodes.end()) {
            throw Failure(FailureKind::Automation, "The keyboard has no key for this stroke.");
        }
        return PressHeld(code->virtualKey, code->extended, HeldBits(stroke), layout);
    }
    const bool singleUnit = stroke.character <= 0xFFFF;
    if (singleUnit) {
        const SHORT key = layout.KeyFor(static_cast<wchar_t>(stroke.character));
        const BYTE virtualKey = LOBYTE(key);
        const BYTE shiftState = HIBYTE(key);
        const bool pressable = virtualKey != 0xFF && (shiftState & ~(ShiftBit | CtrlBit | AltBit)) == 0;
        if (pressable) {
            return PressHeld(virtualKey, false, static_cast<BYTE>(shiftState | HeldBits(stroke)), layout);
        }
    }
    return UnicodeInputs(stroke.character);
}

std::vector<INPUT> ReleasesOwed(const std::vector<INPUT>& batch, std::size_t sent) {
    std::vector<WORD> held;
    for (std::size_t i = 0; i < std::min(sent, batch.size()); ++i) {
        const KEYBDINPUT& key = batch[i].ki;
        if (batch[i].type != INPUT_KEYBOARD || !IsModifier(key.wVk)) {
            continue;
        }
        const auto found = std::find(held.begin(), held.end(), key.wVk);
        if (key.dwFlags & KEYEVENTF_KEYUP) {
            if (found != held.end()) {
                held.erase(found);
            }
        } else if (found == held.end()) {
            held.push_back(key.wVk);
        }
    }
    std::vector<INPUT> releases;
    for (auto key = held.rbegin(); key != held.rend(); ++key) {
        releases.push_back(KeyEvent(*key, 0, KEYEVENTF_KEYUP));
    }
    return releases;
}

void SendBatch(const std::vector<INPUT>& batch, const std::string& notation) {
    std::vector<INPUT> events = batch;
    const UINT sent = SendInput(static_cast<UINT>(events.size()), events.data(), sizeof(INPUT));
    if (sent == events.size()) {
        return;
    }
    std::vector<INPUT> releases = ReleasesOwed(batch, sent);
    if (!releases.empty()) {
        SendInput(static_cast<UINT>(releases.size()), releases.data(), sizeof(INPUT));
    }
    throw Failure(FailureKind::Automation, "The keys \"" + notation + "\" could not be typed.");
}

}  // namespace velutreck
