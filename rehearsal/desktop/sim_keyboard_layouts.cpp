// The simulated layouts: which character each key types, and which keys are dead, as Windows'
// own US, Russian, US-International, French, Polish (Programmers) and Hungarian layouts have them.
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

// Polish (Programmers) types the Polish letters with AltGr and the letter they are made from.
constexpr std::u16string_view PolishLetters = u"acelnoszx";
constexpr std::u16string_view PolishAltGr = u"\u0105\u0107\u0119\u0142\u0144\u00F3\u015B\u017C\u017A";

// Hungarian: the digits 1 to 9 with their Shift characters and, dead, the accents on AltGr; "0" is
// on the key left of "1", which Windows names VK_0; "ö" beside "9", with the double acute on AltGr.
constexpr std::u16string_view HungarianDigitShifted = u"'\"+!%/=()";
constexpr std::u16string_view HungarianDigitAltGr = u"~\u02C7^\u02D8\u00B0\u02DB`\u02D9\u00B4";
constexpr Punctuation HungarianPunctuation[] = {
    {0xC0, u'\u00F6', u'\u00D6', u'\u02DD'}, {0xBC, u',', u'?', u';'}, {0xBE, u'.', u':', u'>'},
    {0xBD, u'-', u'_', u'*'},
};

}  // namespace

std::string LayoutName(SimLayout layout) {
    constexpr const char* Names[] = {"US", "Russian", "US-International", "French", "Polish (Programmers)",
                                     "Hungarian"};
    return Names[static_cast<int>(layout)];
}

SimKeyboardLayout::SimKeyboardLayout(SimLayout layout) {
    if (layout == SimLayout::Hungarian) {
        MakeHungarian();
        return;
    }
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
        const std::size_t polish = PolishLetters.find(plain);
        keys_.push_back({.virtualKey = static_cast<std::uint16_t>(vk::LetterA + letter),
                         .plain = plain,
                         .shifted = static_cast<char16_t>(plain - 0x20),
                         .altGr = layout == SimLayout::PolishProgrammers && polish != std::u16string_view::npos
                                      ? PolishAltGr[polish]
                                      : u'\0',
                         .capsLock = true});
    }
    if (french) {
        for (const Punctuation& key : FrenchPunctuation) {
            keys_.push_back({.virtualKey = key.virtualKey, .plain = key.plain, .shifted = key.shifted,
                             .altGr = key.altGr, .deadPlain = key.plain == u'^', .deadShifted = key.plain == u'^'});
        }
    } else if (!cyrillic) {
        for (const Punctuation& key : UsPunctuation) {
            // US-International's quote and grave keys are dead, with and without Shift; Polish
            // (Programmers) has "~" dead, on Shift and the grave key.
            const bool dead = layout == SimLayout::UsInternational && (key.plain == u'\'' || key.plain == u'`');
            const bool polishTilde = layout == SimLayout::PolishProgrammers && key.shifted == u'~';
            keys_.push_back({.virtualKey = key.virtualKey, .plain = key.plain, .shifted = key.shifted,
                             .deadPlain = dead, .deadShifted = dead || polishTilde});
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

void SimKeyboardLayout::MakeHungarian() {
    keys_.push_back({.virtualKey = vk::Space, .plain = u' '});
    keys_.push_back({.virtualKey = vk::Digit0, .plain = u'0', .shifted = u'\u00A7'});
    for (std::uint16_t digit = 1; digit < 10; ++digit) {
        keys_.push_back({.virtualKey = static_cast<std::uint16_t>(vk::Digit0 + digit),
                         .plain = static_cast<char16_t>(u'0' + digit),
                         .shifted = HungarianDigitShifted[digit - 1],
                         .altGr = HungarianDigitAltGr[digit - 1],
                         .deadAltGr = true});
    }
    // QWERTZ: Windows names the letter keys by their letters, wherever they are; AltGr+Q is "\".
    for (std::uint16_t letter = 0; letter < 26; ++letter) {
        const auto plain = static_cast<char16_t>(u'a' + letter);
        keys_.push_back({.virtualKey = static_cast<std::uint16_t>(vk::LetterA + letter),
                         .plain = plain,
                         .shifted = static_cast<char16_t>(plain - 0x20),
                         .altGr = plain == u'q' ? u'\\' : u'\0',
                         .capsLock = true});
    }
    for (const Punctuation& key : HungarianPunctuation) {
        keys_.push_back({.virtualKey = key.virtualKey, .plain = key.plain, .shifted = key.shifted, .altGr = key.altGr,
                         .deadAltGr = key.altGr == u'\u02DD'});
    }
}

std::optional<bool> SimKeyboardLayout::IsDeadKey(const LayoutKey& key) const {
    const auto found = std::find_if(keys_.begin(), keys_.end(), [&](const Key& k) { return k.virtualKey == key.virtualKey; });
    if (found == keys_.end()) {
        return false;
    }
    if (key.ctrl && key.alt) {
        return found->deadAltGr;
    }
    return key.shift ? found->deadShifted : found->deadPlain;
}

// MapVirtualKeyExW marks only the keys dead without Shift or AltGr.
bool SimKeyboardLayout::HasDeadKeys() const {
    return std::any_of(keys_.begin(), keys_.end(), [](const Key& key) { return key.deadPlain; });
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
