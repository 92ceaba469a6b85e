#include "rehearsal/standins/key_text.h"

#include <array>
#include <utility>

#include "base/utf8.h"

namespace velutreck {

namespace {

constexpr auto KeyNames = std::to_array<std::pair<NamedKey, const char*>>({
    {NamedKey::Backspace, "Backspace"}, {NamedKey::Break, "Break"}, {NamedKey::CapsLock, "CapsLock"},
    {NamedKey::Delete, "Delete"}, {NamedKey::Down, "Down"}, {NamedKey::End, "End"},
    {NamedKey::Enter, "Enter"}, {NamedKey::Escape, "Esc"}, {NamedKey::Help, "Help"},
    {NamedKey::Home, "Home"}, {NamedKey::Insert, "Insert"}, {NamedKey::Left, "Left"},
    {NamedKey::NumLock, "NumLock"}, {NamedKey::PageDown, "PageDown"}, {NamedKey::PageUp, "PageUp"},
    {NamedKey::PrintScreen, "PrintScreen"}, {NamedKey::Right, "Right"}, {NamedKey::ScrollLock, "ScrollLock"},
    {NamedKey::Tab, "Tab"}, {NamedKey::Up, "Up"},
    {NamedKey::F1, "F1"}, {NamedKey::F2, "F2"}, {NamedKey::F3, "F3"}, {NamedKey::F4, "F4"},
    {NamedKey::F5, "F5"}, {NamedKey::F6, "F6"}, {NamedKey::F7, "F7"}, {NamedKey::F8, "F8"},
    {NamedKey::F9, "F9"}, {NamedKey::F10, "F10"}, {NamedKey::F11, "F11"}, {NamedKey::F12, "F12"},
    {NamedKey::F13, "F13"}, {NamedKey::F14, "F14"}, {NamedKey::F15, "F15"}, {NamedKey::F16, "F16"},
});

char32_t Upper(char32_t c) { return c >= U'a' && c <= U'z' ? c - U'a' + U'A' : c; }

}  // namespace

std::string KeyText(const KeyStroke& key) {
    std::string text;
    if (key.ctrl) {
        text += "Ctrl+";
    }
    if (key.alt) {
        text += "Alt+";
    }
    if (key.shift) {
        text += "Shift+";
    }
    if (key.key == NamedKey::None) {
        AppendUtf8(text, text.empty() ? key.character : Upper(key.character));
        return text;
    }
    for (const auto& [named, name] : KeyNames) {
        if (named == key.key) {
            return text + name;
        }
    }
    return text + "?";
}

bool IsTypedCharacter(const KeyStroke& key) { return key.key == NamedKey::None && !key.ctrl && !key.alt; }

char32_t TypedCharacter(const KeyStroke& key) { return key.shift ? Upper(key.character) : key.character; }

bool IsAltLetter(const KeyStroke& key, char letter) {
    return key.key == NamedKey::None && key.alt && !key.ctrl && Upper(key.character) == Upper(static_cast<char32_t>(letter));
}

bool IsLetter(const KeyStroke& key, char letter) {
    return IsTypedCharacter(key) && Upper(key.character) == Upper(static_cast<char32_t>(letter));
}

bool IsKey(const KeyStroke& key, NamedKey named, bool shift, bool alt) {
    return key.key == named && key.shift == shift && key.alt == alt && !key.ctrl;
}

}  // namespace velutreck
