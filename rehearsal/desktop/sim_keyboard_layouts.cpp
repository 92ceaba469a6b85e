// The simulated layouts: which character each key types, and which keys are dead, as Windows'
// own US, Russian, US-International and French layouts have them.
#include <algorithm>
#include <string_view>

#include "rehearsal/desktop/sim_keyboard.h"

namespace velutreck {

namespace {

namespace vk = virtual_key;

struct Punctuation {
    std::uint16_t virtualKey;
    char16_t plain;
    char16_t shifted;
    char16_t altGr = 0;
};

// The US punctuation keys, VK_OEM_1 (0xBA) to VK_OEM_7 (0xDE).
constexpr Punctuation UsPunctuation[] = {
    {0xBA, u';', u':'}, {0xBB, u'=', u'+'}, {0xBC, u',', u'<'}, {0xBD, u'-', u'_'}, {0xBE, u'.', u'>'},
    {0xBF, u'/', u'?'}, {0xC0, u'`', u'~'}, {0xDB, u'[', u'{'}, {0xDC, u'\\', u'|'}, {0xDD, u']', u'}'},
    {0xDE, u'\'', u'"'},
};

// AZERTY's punctuation keys, by the virtual keys Windows gives them.
constexpr Punctuation FrenchPunctuation[] = {
    {0xBA, u'$', u'\u00A3', u'\u00A4'}, {0xBB, u'=', u'+', u'}'}, {0xBC, u',', u'?'}, {0xBE, u';', u'.'},
    {0xBF, u':', u'/'}, {0xC0, u'\u00F9', u'%'}, {0xDB, u')', u'\u00B0', u']'}, {0xDC, u'*', u'\u00B5'},
    {0xDD, u'^', u'\u00A8'}, {0xDE, u'\u00B2', 0}, {0xDF, u'!', u'\u00A7'},
};

// The letters of the Russian keyboard on the keys that name A to Z.
constexpr std::u16string_view RussianLetters = u"фисвуапршолдьтщзйкыегмцчня";

// AZERTY types these on the digit keys, and the digits with Shift (or Caps Lock); on AltGr the
// rest of ASCII, "~" and "`" dead.
constexpr std::u16string_view FrenchDigitKeys = u"\u00E0&\u00E9\"'(-\u00E8_\u00E7";
constexpr char16_t FrenchDigitAltGr[] = u"@\0~#{[|`\\^";

}  // namespace

std::string LayoutName(SimLayout layout) {
    constexpr const char* Names[] = {"US", "Russian", "US-International", "French"};
    return Names[static_cast<int>(layout)];
}

SimKeyboardLayout::SimKeyboardLayout(SimLayout layout) {
    const bool cyrillic = layout == SimLayout::Russian;
    const bool french = layout == SimLayout::French;
    keys_.push_back({.virtualKey = vk::Space, .plain = u' '});
    for (std::uint16_t digit = 0; digit < 10; ++digit) {
        Key key{.virtualKey = static_cast<std::uint16_t>(vk::Digit0 + digit), .plain = static_cast<char16_t>(u'0' + digit)};
        if (french) {
            key = {.virtualKey = key.virtualKey, .plain = FrenchDigitKeys[digit], .shifted = key.plain,
                   .altGr = FrenchDigitAltGr[digit], .capsLock = true, .deadAltGr = digit == 2 || digit == 7};
        } else if (!cyrillic) {
            key.shifted = u")!@#$%^&*("[digit];
            key.deadShifted = layout == SimLayout::UsInternational && digit == 6;
        }
        keys_.push_back(key);
    }
    for (std::uint16_t letter = 0; letter < 26; ++letter) {
        const char16_t plain = cyrillic ? RussianLetters[letter] : static_cast<char16_t>(u'a' + letter);
        // Both alphabets have their capitals 0x20 below the small letters.
        keys_.push_back({.virtualKey = static_cast<std::uint16_t>(vk::LetterA + letter),
                         .plain = plain,
                         .shifted = static_cast<char16_t>(plain - 0x20),
                         .capsLock = true});
    }
    if (french) {
        for (const Punctuation& key : FrenchPunctuation) {
            keys_.push_back({.virtualKey = key.virtualKey, .plain = key.plain, .shifted = key.shifted,
                             .altGr = key.altGr, .deadPlain = key.plain == u'^', .deadShifted = key.plain == u'^'});
        }
    } else if (!cyrillic) {
        for (const Punctuation& key : UsPunctuation) {
            // US-International's quote and grave keys are dead, with and without Shift.
            const bool dead = layout == SimLayout::UsInternational && (key.plain == u'\'' || key.plain == u'`');
            keys_.push_back({.virtualKey = key.virtualKey, .plain = key.plain, .shifted = key.shifted,
                             .deadPlain = dead, .deadShifted = dead});
        }
    }
}

// As VkKeyScanExW: the key whatever it is, dead or not; AltGr is Ctrl+Alt.
std::optional<LayoutKey> SimKeyboardLayout::KeyFor(char16_t character) const {
    for (const Key& key : keys_) {
        if (key.plain == character) {
            return LayoutKey{.virtualKey = key.virtualKey};
        }
        if (key.shifted != 0 && key.shifted == character) {
            return LayoutKey{.virtualKey = key.virtualKey, .shift = true};
        }
        if (key.altGr != 0 && key.altGr == character) {
            return LayoutKey{.virtualKey = key.virtualKey, .ctrl = true, .alt = true};
        }
    }
    return std::nullopt;
}

bool SimKeyboardLayout::HasDeadKeys() const {
    return std::any_of(keys_.begin(), keys_.end(),
                       [](const Key& key) { return key.deadPlain || key.deadShifted || key.deadAltGr; });
}

std::optional<SimKeyboardLayout::Typed> SimKeyboardLayout::Type(std::uint16_t virtualKey, bool shift, bool altGr,
                                                                bool capsLock) const {
    const auto key = std::find_if(keys_.begin(), keys_.end(), [&](const Key& k) { return k.virtualKey == virtualKey; });
    if (key == keys_.end()) {
        return std::nullopt;
    }
    if (altGr) {
        if (key->altGr == 0) {
            return std::nullopt;
        }
        return Typed{.character = key->altGr, .dead = key->deadAltGr};
    }
    if (key->shifted == 0) {
        return Typed{.character = key->plain, .dead = key->deadPlain};
    }
    const bool shifted = key->capsLock && capsLock ? !shift : shift;
    return Typed{.character = shifted ? key->shifted : key->plain,
                 .shiftUsed = shift,
                 .dead = shifted ? key->deadShifted : key->deadPlain};
}

}  // namespace velutreck
