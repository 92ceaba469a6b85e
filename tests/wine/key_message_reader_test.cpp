// The keyboard messages of a hosted window read back as the strokes that were typed: every key
// once, whether it came as a key-down, a character or both, with the modifiers that were held.
#include <gtest/gtest.h>

#include <vector>

#include "rehearsal/hosts/key_message_reader.h"

namespace velutreck {
namespace {

struct Message {
    UINT message;
    WPARAM wParam;
    HeldKeys held = {};
};

constexpr HeldKeys Shift{.shift = true};
constexpr HeldKeys Alt{.alt = true};
constexpr HeldKeys AltShift{.shift = true, .alt = true};
constexpr HeldKeys Ctrl{.ctrl = true};
constexpr HeldKeys AltGr{.ctrl = true, .alt = true};

TEST(KeyMessageReaderTest, EveryKeyArrivesOnceWithTheModifiersHeldOverItAndKeysThatTypeNothingGiveNoStroke) {
    constexpr WPARAM WaitMarker = 0xE8;
    const std::vector<Message> messages = {
        {WM_KEYDOWN, 'A'}, {WM_CHAR, 'a'}, {WM_KEYUP, 'A'},
        {WM_KEYDOWN, VK_SHIFT, Shift}, {WM_KEYDOWN, 'A', Shift}, {WM_CHAR, 'A', Shift},
        {WM_KEYDOWN, VK_END, Shift}, {WM_KEYUP, VK_SHIFT},
        {WM_KEYDOWN, VK_RETURN}, {WM_CHAR, '\r'}, {WM_KEYDOWN, VK_ESCAPE}, {WM_CHAR, 0x1B},
        {WM_KEYDOWN, VK_BACK}, {WM_CHAR, 0x08}, {WM_KEYDOWN, VK_TAB}, {WM_CHAR, '\t'}, {WM_KEYDOWN, VK_F2},
        {WM_SYSKEYDOWN, VK_MENU, Alt}, {WM_SYSKEYDOWN, 'E', Alt}, {WM_SYSCHAR, 'e', Alt}, {WM_SYSKEYUP, VK_MENU},
        {WM_SYSKEYDOWN, 'Y', AltShift}, {WM_SYSCHAR, 'Y', AltShift}, {WM_SYSKEYDOWN, VK_F4, Alt},
        {WM_KEYDOWN, VK_CONTROL, Ctrl}, {WM_KEYDOWN, 'C', Ctrl}, {WM_CHAR, 0x03, Ctrl},
        // AltGr types a plain character on layouts that have one.
        {WM_KEYDOWN, 'Q', AltGr}, {WM_CHAR, '@', AltGr},
        {WM_KEYDOWN, WaitMarker}, {WM_KEYUP, WaitMarker}, {WM_CHAR, 0x7F},
        // A character typed as a Unicode packet: its key-down names no key.
        {WM_KEYDOWN, VK_PACKET}, {WM_CHAR, '('}, {WM_KEYUP, VK_PACKET},
        // A character beyond the Basic Multilingual Plane comes in two halves; a lone low half is nothing.
        {WM_CHAR, 0xD83C}, {WM_CHAR, 0xDFB5}, {WM_CHAR, 0xDFB5}, {WM_CHAR, 'x'},
    };
    KeyMessageReader reader;
    std::vector<KeyStroke> strokes;
    for (const Message& message : messages) {
        if (const auto stroke = reader.Read(message.message, message.wParam, message.held)) {
            strokes.push_back(*stroke);
        }
    }
    const std::vector<KeyStroke> expected = {
        {.character = U'a'},
        {.character = U'A', .shift = true},
        {.key = NamedKey::End, .shift = true},
        {.key = NamedKey::Enter},
        {.key = NamedKey::Escape},
        {.key = NamedKey::Backspace},
        {.key = NamedKey::Tab},
        {.key = NamedKey::F2},
        {.character = U'e', .alt = true},
        {.character = U'Y', .shift = true, .alt = true},
        {.key = NamedKey::F4, .alt = true},
        {.character = U'c', .ctrl = true},
        {.character = U'@'},
        {.character = U'('},
        {.character = U'\U0001F3B5'},
        {.character = U'x'},
    };
    EXPECT_EQ(strokes, expected);
}

}  // namespace
}  // namespace velutreck
