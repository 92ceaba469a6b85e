#include "rehearsal/desktop/sim_keyboard.h"

#include <algorithm>
#include <string_view>

namespace velutreck {

namespace {

namespace vk = virtual_key;

struct Punctuation {
    std::uint16_t virtualKey;
    char16_t plain;
    char16_t shifted;
};

// The US punctuation keys, VK_OEM_1 (0xBA) to VK_OEM_7 (0xDE).
constexpr Punctuation UsPunctuation[] = {
    {0xBA, u';', u':'}, {0xBB, u'=', u'+'}, {0xBC, u',', u'<'}, {0xBD, u'-', u'_'}, {0xBE, u'.', u'>'},
    {0xBF, u'/', u'?'}, {0xC0, u'`', u'~'}, {0xDB, u'[', u'{'}, {0xDC, u'\\', u'|'}, {0xDD, u']', u'}'},
    {0xDE, u'\'', u'"'},
};

// The letters of the Russian keyboard on the keys that name A to Z.
constexpr std::u16string_view RussianLetters = u"фисвуапршолдьтщзйкыегмцчня";

// Menus and accelerators go by the key when Ctrl or Alt is held: Alt and the key named E is Alt+E
// whatever the layout types with that key.
bool IsLatinKey(std::uint16_t virtualKey) {
    return (virtualKey >= vk::LetterA && virtualKey < vk::LetterA + 26) ||
           (virtualKey >= vk::Digit0 && virtualKey < vk::Digit0 + 10);
}

SimKeyboardLayout::Typed LatinCharacter(std::uint16_t virtualKey, bool upper) {
    if (virtualKey >= vk::LetterA) {
        const char32_t base = upper ? U'A' : U'a';
        return {.character = base + (virtualKey - vk::LetterA), .shiftUsed = true};
    }
    return {.character = U'0' + (virtualKey - vk::Digit0)};
}

}  // namespace

SimKeyboardLayout::SimKeyboardLayout(SimLayout layout) {
    keys_.push_back({.virtualKey = vk::Space, .plain = u' '});
    const std::u16string_view digitsShifted = layout == SimLayout::UnitedStates ? u")!@#$%^&*(" : u"";
    for (std::uint16_t digit = 0; digit < 10; ++digit) {
        keys_.push_back({.virtualKey = static_cast<std::uint16_t>(vk::Digit0 + digit),
                         .plain = static_cast<char16_t>(u'0' + digit),
                         .shifted = digitsShifted.empty() ? char16_t(0) : digitsShifted[digit]});
    }
    for (std::uint16_t letter = 0; letter < 26; ++letter) {
        const char16_t plain = layout == SimLayout::UnitedStates ? static_cast<char16_t>(u'a' + letter)
                                                                 : RussianLetters[letter];
        // Both alphabets have their capitals 0x20 below the small letters.
        keys_.push_back({.virtualKey = static_cast<std::uint16_t>(vk::LetterA + letter),
                         .plain = plain,
                         .shifted = static_cast<char16_t>(plain - 0x20),
                         .letter = true});
    }
    if (layout == SimLayout::UnitedStates) {
        for (const Punctuation& key : UsPunctuation) {
            keys_.push_back({.virtualKey = key.virtualKey, .plain = key.plain, .shifted = key.shifted});
        }
    }
}

std::optional<LayoutKey> SimKeyboardLayout::KeyFor(char16_t character) const {
    for (const Key& key : keys_) {
        if (key.plain == character) {
            return LayoutKey{.virtualKey = key.virtualKey};
        }
        if (key.shifted != 0 && key.shifted == character) {
            return LayoutKey{.virtualKey = key.virtualKey, .shift = true};
        }
    }
    return std::nullopt;
}

std::optional<SimKeyboardLayout::Typed> SimKeyboardLayout::Type(std::uint16_t virtualKey, bool shift,
                                                                bool capsLock) const {
    const auto key = std::find_if(keys_.begin(), keys_.end(), [&](const Key& k) { return k.virtualKey == virtualKey; });
    if (key == keys_.end()) {
        return std::nullopt;
    }
    if (key->shifted == 0) {
        return Typed{.character = key->plain};
    }
    const bool shifted = key->letter && capsLock ? !shift : shift;
    return Typed{.character = shifted ? key->shifted : key->plain, .shiftUsed = shift};
}

SimKeyboard::SimKeyboard() : layout_(std::make_unique<SimKeyboardLayout>(SimLayout::UnitedStates)) {}

std::optional<KeyStroke> SimKeyboard::Play(const KeyEvent& event) {
    if (event.unicode) {
        const char16_t unit = static_cast<char16_t>(event.scanCode);
        if (event.up) {
            return std::nullopt;
        }
        if (unit >= 0xD800 && unit < 0xDC00) {
            highSurrogate_ = unit;
            return std::nullopt;
        }
        char32_t character = unit;
        if (unit >= 0xDC00 && unit < 0xE000 && highSurrogate_ != 0) {
            character = 0x10000 + ((highSurrogate_ - 0xD800) << 10) + (unit - 0xDC00);
        }
        highSurrogate_ = 0;
        return KeyStroke{.character = character};
    }
    if (IsModifierKey(event.virtualKey)) {
        bool& held = event.virtualKey == vk::Shift ? shift_ : event.virtualKey == vk::Control ? ctrl_ : alt_;
        held = !event.up;
        return std::nullopt;
    }
    if (event.up) {
        return std::nullopt;
    }
    // A lock key changes the keyboard and types nothing; programs pass it by.
    if (event.virtualKey == vk::Capital) {
        capsLock_ = !capsLock_;
        return std::nullopt;
    }
    KeyStroke stroke{.shift = shift_, .ctrl = ctrl_, .alt = alt_};
    if (const std::optional<NamedKey> named = NamedKeyOf(event.virtualKey)) {
        stroke.key = *named;
        return stroke;
    }
    const std::optional<SimKeyboardLayout::Typed> typed =
        (ctrl_ || alt_) && IsLatinKey(event.virtualKey)
            ? LatinCharacter(event.virtualKey, shift_ != capsLock_)
            : layout_->Type(event.virtualKey, shift_, capsLock_);
    if (!typed) {
        return std::nullopt;
    }
    stroke.character = typed->character;
    stroke.shift = shift_ && !typed->shiftUsed;
    return stroke;
}

}  // namespace velutreck
