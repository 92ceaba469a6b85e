#include "platform/key_events.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "base/failure.h"

namespace velutreck {

namespace {

namespace vk = virtual_key;

struct NamedKeyCode {
    NamedKey key;
    std::uint16_t virtualKey;
    bool extended;
};

constexpr auto NamedKeyCodes = std::to_array<NamedKeyCode>({
    {NamedKey::Backspace, vk::Back, false}, {NamedKey::Break, vk::Cancel, true},
    {NamedKey::CapsLock, vk::Capital, false}, {NamedKey::Delete, vk::Delete, true},
    {NamedKey::Down, vk::Down, true}, {NamedKey::End, vk::End, true},
    {NamedKey::Enter, vk::Return, false}, {NamedKey::Escape, vk::Escape, false},
    {NamedKey::Help, vk::Help, false}, {NamedKey::Home, vk::Home, true},
    {NamedKey::Insert, vk::Insert, true}, {NamedKey::Left, vk::Left, true},
    {NamedKey::NumLock, vk::NumLock, true}, {NamedKey::PageDown, vk::Next, true},
    {NamedKey::PageUp, vk::Prior, true}, {NamedKey::PrintScreen, vk::Snapshot, true},
    {NamedKey::Right, vk::Right, true}, {NamedKey::ScrollLock, vk::Scroll, false},
    {NamedKey::Tab, vk::Tab, false}, {NamedKey::Up, vk::Up, true},
    {NamedKey::F1, vk::F1, false}, {NamedKey::F2, vk::F1 + 1, false}, {NamedKey::F3, vk::F1 + 2, false},
    {NamedKey::F4, vk::F1 + 3, false}, {NamedKey::F5, vk::F1 + 4, false}, {NamedKey::F6, vk::F1 + 5, false},
    {NamedKey::F7, vk::F1 + 6, false}, {NamedKey::F8, vk::F1 + 7, false}, {NamedKey::F9, vk::F1 + 8, false},
    {NamedKey::F10, vk::F1 + 9, false}, {NamedKey::F11, vk::F1 + 10, false}, {NamedKey::F12, vk::F1 + 11, false},
    {NamedKey::F13, vk::F1 + 12, false}, {NamedKey::F14, vk::F1 + 13, false}, {NamedKey::F15, vk::F1 + 14, false},
    {NamedKey::F16, vk::F1 + 15, false},
});

// Pressed in this order and released in the reverse one.
constexpr std::array<std::uint16_t, 3> ModifierKeys = {vk::Control, vk::Menu, vk::Shift};

struct Held {
    bool shift = false;
    bool ctrl = false;
    bool alt = false;
};

bool IsHeld(const Held& held, std::uint16_t modifier) {
    return modifier == vk::Control ? held.ctrl : modifier == vk::Menu ? held.alt : held.shift;
}

KeyEvent Press(std::uint16_t virtualKey, const KeyboardLayout& layout, bool extended, bool up) {
    return {.virtualKey = virtualKey, .scanCode = layout.ScanCode(virtualKey), .up = up, .extended = extended};
}

std::vector<KeyEvent> PressHeld(std::uint16_t virtualKey, bool extended, const Held& held, const KeyboardLayout& layout) {
    std::vector<KeyEvent> events;
    for (std::uint16_t modifier : ModifierKeys) {
        if (IsHeld(held, modifier)) {
            events.push_back(Press(modifier, layout, false, false));
        }
    }
    events.push_back(Press(virtualKey, layout, extended, false));
    events.push_back(Press(virtualKey, layout, extended, true));
    for (auto modifier = ModifierKeys.rbegin(); modifier != ModifierKeys.rend(); ++modifier) {
        if (IsHeld(held, *modifier)) {
            events.push_back(Press(*modifier, layout, false, true));
        }
    }
    return events;
}

// Modifiers interfere with Unicode packets in some programs, so none is held over them.
std::vector<KeyEvent> UnicodeEvents(char32_t character) {
    std::vector<char16_t> units;
    if (character > 0xFFFF) {
        const char32_t offset = character - 0x10000;
        units = {static_cast<char16_t>(0xD800 + (offset >> 10)), static_cast<char16_t>(0xDC00 + (offset & 0x3FF))};
    } else {
        units = {static_cast<char16_t>(character)};
    }
    std::vector<KeyEvent> events;
    for (char16_t unit : units) {
        events.push_back({.scanCode = unit, .unicode = true});
        events.push_back({.scanCode = unit, .up = true, .unicode = true});
    }
    return events;
}

// The key an ASCII letter or digit names on every layout, with Shift for a capital.
std::optional<LayoutKey> LatinKey(char32_t character) {
    if (character >= U'a' && character <= U'z') {
        return LayoutKey{.virtualKey = static_cast<std::uint16_t>(vk::LetterA + (character - U'a'))};
    }
    if (character >= U'A' && character <= U'Z') {
        return LayoutKey{.virtualKey = static_cast<std::uint16_t>(vk::LetterA + (character - U'A')), .shift = true};
    }
    if (character >= U'0' && character <= U'9') {
        return LayoutKey{.virtualKey = static_cast<std::uint16_t>(vk::Digit0 + (character - U'0'))};
    }
    return std::nullopt;
}

// Accents and quote marks, which layouts put on dead keys (US-International, French, German...):
// a dead key types nothing itself but changes the next character ("'" then "A" makes "Á").
bool IsDeadKeyCharacter(char32_t character) {
    constexpr std::u32string_view Accents = U"'\"`~^\u00A8\u00B4\u00B8\u00AF\u02C7\u02D8\u02D9\u02DA\u02DB\u02DD";
    return Accents.find(character) != std::u32string_view::npos;
}

bool IsShortcut(const KeyStroke& stroke) { return stroke.key == NamedKey::None && (stroke.ctrl || stroke.alt); }

std::optional<LayoutKey> LayoutKeyFor(char32_t character, const KeyboardLayout& layout) {
    return character <= 0xFFFF ? layout.KeyFor(static_cast<char16_t>(character)) : std::nullopt;
}

// A plain Latin letter the layout lacks goes as Unicode rather than as its key: on a Cyrillic
// layout the key of "M" types "Ь" into a text. So does a character whose key is dead. Before
// Windows 10 version 1607 Windows cannot tell, without disturbing the keyboard, whether a shifted or
// AltGr key is dead: there, on a layout with a key dead without Shift, the characters dead keys are
// made for go as Unicode too; on one without, they go as their keys like any character.
std::optional<LayoutKey> KeyFor(const KeyStroke& stroke, const KeyboardLayout& layout, bool textAsUnicode) {
    if (IsShortcut(stroke)) {
        if (const std::optional<LayoutKey> key = LayoutKeyFor(stroke.character, layout)) {
            return key;
        }
        if (LatinKey(stroke.character)) {
            throw Failure(FailureKind::Automation, "The keyboard layout has no Latin letters for this shortcut.");
        }
        return std::nullopt;
    }
    const bool text = !stroke.shift;
    if (text && textAsUnicode) {
        return std::nullopt;
    }
    const std::optional<LayoutKey> key = LayoutKeyFor(stroke.character, layout);
    if (!key) {
        return std::nullopt;
    }
    if (const std::optional<bool> dead = layout.IsDeadKey(*key)) {
        return *dead ? std::nullopt : key;
    }
    return IsDeadKeyCharacter(stroke.character) && layout.HasDeadKeys() ? std::nullopt : key;
}

}  // namespace

std::vector<KeyEvent> StrokeEvents(const KeyStroke& stroke, const KeyboardLayout& layout, bool textAsUnicode) {
    const Held own{.shift = stroke.shift, .ctrl = stroke.ctrl, .alt = stroke.alt};
    if (stroke.key != NamedKey::None) {
        const auto code = std::find_if(NamedKeyCodes.begin(), NamedKeyCodes.end(),
                                       [&](const NamedKeyCode& entry) { return entry.key == stroke.key; });
        if (code == NamedKeyCodes.end()) {
            throw Failure(FailureKind::Automation, "The keyboard has no key for this stroke.");
        }
        return PressHeld(code->virtualKey, code->extended, own, layout);
    }
    if (const std::optional<LayoutKey> key = KeyFor(stroke, layout, textAsUnicode)) {
        const Held needed{.shift = own.shift || key->shift, .ctrl = own.ctrl || key->ctrl, .alt = own.alt || key->alt};
        return PressHeld(key->virtualKey, false, needed, layout);
    }
    return UnicodeEvents(stroke.character);
}

bool NeedsLatinLayout(const std::vector<KeyStroke>& strokes, const KeyboardLayout& layout) {
    return std::any_of(strokes.begin(), strokes.end(), [&](const KeyStroke& stroke) {
        return IsShortcut(stroke) && LatinKey(stroke.character) && !LayoutKeyFor(stroke.character, layout);
    });
}

bool HasLatinLetters(const KeyboardLayout& layout) {
    for (char16_t letter = u'a'; letter <= u'z'; ++letter) {
        if (!layout.KeyFor(letter)) {
            return false;
        }
    }
    return true;
}

std::vector<KeyEvent> CapsLockToggleEvents(bool capsLockOn, const KeyboardLayout& layout) {
    if (!capsLockOn) {
        return {};
    }
    return {Press(vk::Capital, layout, false, false), Press(vk::Capital, layout, false, true)};
}

std::vector<KeyEvent> ReleasesOwed(const std::vector<KeyEvent>& batch, std::size_t sent) {
    std::vector<std::uint16_t> held;
    for (std::size_t i = 0; i < std::min(sent, batch.size()); ++i) {
        const KeyEvent& event = batch[i];
        if (event.unicode || !IsModifierKey(event.virtualKey)) {
            continue;
        }
        const auto found = std::find(held.begin(), held.end(), event.virtualKey);
        if (event.up) {
            if (found != held.end()) {
                held.erase(found);
            }
        } else if (found == held.end()) {
            held.push_back(event.virtualKey);
        }
    }
    std::vector<KeyEvent> releases;
    for (auto key = held.rbegin(); key != held.rend(); ++key) {
        releases.push_back({.virtualKey = *key, .up = true});
    }
    return releases;
}

std::optional<NamedKey> NamedKeyOf(std::uint16_t virtualKey) {
    const auto code = std::find_if(NamedKeyCodes.begin(), NamedKeyCodes.end(),
                                   [&](const NamedKeyCode& entry) { return entry.virtualKey == virtualKey; });
    return code == NamedKeyCodes.end() ? std::nullopt : std::optional<NamedKey>(code->key);
}

bool IsModifierKey(std::uint16_t virtualKey) {
    return std::find(ModifierKeys.begin(), ModifierKeys.end(), virtualKey) != ModifierKeys.end();
}

}  // namespace velutreck
