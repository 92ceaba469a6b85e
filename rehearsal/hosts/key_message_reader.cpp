#include "key_message_reader.h"

#include <algorithm>
#include <array>
#include <utility>

namespace velutreck {

namespace {

constexpr auto NamedKeys = std::to_array<std::pair<WPARAM, NamedKey>>({
    {VK_BACK, NamedKey::Backspace}, {VK_CANCEL, NamedKey::Break}, {VK_CAPITAL, NamedKey::CapsLock},
    {VK_DELETE, NamedKey::Delete}, {VK_DOWN, NamedKey::Down}, {VK_END, NamedKey::End},
    {VK_RETURN, NamedKey::Enter}, {VK_ESCAPE, NamedKey::Escape}, {VK_HELP, NamedKey::Help},
    {VK_HOME, NamedKey::Home}, {VK_INSERT, NamedKey::Insert}, {VK_LEFT, NamedKey::Left},
    {VK_NUMLOCK, NamedKey::NumLock}, {VK_NEXT, NamedKey::PageDown}, {VK_PRIOR, NamedKey::PageUp},
    {VK_SNAPSHOT, NamedKey::PrintScreen}, {VK_RIGHT, NamedKey::Right}, {VK_SCROLL, NamedKey::ScrollLock},
    {VK_TAB, NamedKey::Tab}, {VK_UP, NamedKey::Up},
    {VK_F1, NamedKey::F1}, {VK_F2, NamedKey::F2}, {VK_F3, NamedKey::F3}, {VK_F4, NamedKey::F4},
    {VK_F5, NamedKey::F5}, {VK_F6, NamedKey::F6}, {VK_F7, NamedKey::F7}, {VK_F8, NamedKey::F8},
    {VK_F9, NamedKey::F9}, {VK_F10, NamedKey::F10}, {VK_F11, NamedKey::F11}, {VK_F12, NamedKey::F12},
    {VK_F13, NamedKey::F13}, {VK_F14, NamedKey::F14}, {VK_F15, NamedKey::F15}, {VK_F16, NamedKey::F16},
});

bool IsLetterOrDigitKey(WPARAM virtualKey) {
    return (virtualKey >= 'A' && virtualKey <= 'Z') || (virtualKey >= '0' && virtualKey <= '9');
}

}  // namespace

std::optional<KeyStroke> KeyMessageReader::Read(UINT message, WPARAM wParam, const HeldKeys& held) {
    switch (message) {
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN: return KeyDown(wParam, held);
        case WM_CHAR: return Character(static_cast<wchar_t>(wParam), held, false);
        case WM_SYSCHAR: return Character(static_cast<wchar_t>(wParam), held, held.alt);
        default: return std::nullopt;
    }
}

std::optional<KeyStroke> KeyMessageReader::KeyDown(WPARAM virtualKey, const HeldKeys& held) const {
    const auto named = std::find_if(NamedKeys.begin(), NamedKeys.end(),
                                    [&](const auto& entry) { return entry.first == virtualKey; });
    if (named != NamedKeys.end()) {
        return KeyStroke{.key = named->second, .shift = held.shift, .ctrl = held.ctrl, .alt = held.alt};
    }
    // Ctrl turns a letter's character into a control code, so the key itself says which it was.
    // Ctrl with Alt is AltGr, which types ordinary characters.
    if (held.ctrl && !held.alt && IsLetterOrDigitKey(virtualKey)) {
        const auto character = static_cast<char32_t>(virtualKey >= 'A' ? virtualKey - 'A' + 'a' : virtualKey);
        return KeyStroke{.character = character, .shift = held.shift, .ctrl = true};
    }
    return std::nullopt;
}

std::optional<KeyStroke> KeyMessageReader::Character(wchar_t unit, const HeldKeys& held, bool alt) {
    // Control codes come from keys already taken at their key-down (Enter, Esc, Tab, Backspace, Ctrl+letter).
    if (unit < 0x20 || unit == 0x7F) {
        return std::nullopt;
    }
    if (unit >= 0xD800 && unit <= 0xDBFF) {
        highSurrogate_ = unit;
        return std::nullopt;
    }
    const char32_t high = std::exchange(highSurrogate_, 0);
    char32_t character = unit;
    if (unit >= 0xDC00 && unit <= 0xDFFF) {
        if (high == 0) {
            return std::nullopt;
        }
        character = 0x10000 + ((high - 0xD800) << 10) + (unit - 0xDC00);
    }
    return KeyStroke{.character = character, .shift = held.shift, .alt = alt};
}

}  // namespace velutreck
