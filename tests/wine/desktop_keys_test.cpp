// The events a stroke becomes, on a keyboard layout of the test's own making, so that the choice
// between a layout key and a Unicode packet does not depend on the machine.
#include <gtest/gtest.h>

#include <map>

#include "drivers/key_notation.h"
#include "platform/win32/win32_desktop_keys.h"

namespace velutreck {
namespace {

// A US-like layout: letters and digits, "@" behind AltGr (Ctrl+Alt), "{" on Shift, "€" on a key
// that needs a shift state we cannot press, and no key for "(".
class TestLayout : public KeyboardLayout {
public:
    SHORT KeyFor(wchar_t character) const override {
        const std::map<wchar_t, SHORT> keys = {{L'a', 0x41}, {L'A', 0x141}, {L'e', 0x45}, {L'Y', 0x159},
                                               {L'y', 0x59}, {L'@', 0x632}, {L'{', 0x1DB}, {L'\u20AC', 0x845}};
        const auto found = keys.find(character);
        return found == keys.end() ? SHORT(-1) : found->second;
    }
    WORD ScanCode(WORD virtualKey) const override { return virtualKey; }
};

// One event as "Alt down", "Y up", "U+0028 down", with "ext" for extended keys.
std::string Describe(const INPUT& input) {
    const KEYBDINPUT& key = input.ki;
    const char* direction = (key.dwFlags & KEYEVENTF_KEYUP) ? " up" : " down";
    char text[32];
    if (key.dwFlags & KEYEVENTF_UNICODE) {
        std::snprintf(text, sizeof(text), "U+%04X%s", key.wScan, direction);
        return text;
    }
    const std::map<WORD, std::string> names = {{VK_SHIFT, "Shift"}, {VK_CONTROL, "Ctrl"}, {VK_MENU, "Alt"}};
    const auto name = names.find(key.wVk);
    std::snprintf(text, sizeof(text), "%s%s%s", name != names.end() ? name->second.c_str() : "",
                  name != names.end() ? "" : std::to_string(key.wVk).c_str(), direction);
    return std::string(text) + ((key.dwFlags & KEYEVENTF_EXTENDEDKEY) ? " ext" : "");
}

std::vector<std::string> Events(const std::string& notation) {
    const TestLayout layout;
    std::vector<std::string> events;
    for (const KeyStroke& stroke : ParseKeys(notation).strokes) {
        for (const INPUT& input : StrokeInputs(stroke, layout)) {
            events.push_back(Describe(input));
        }
    }
    return events;
}

using Seq = std::vector<std::string>;

TEST(StrokeInputs, ACharacterGoesAsItsLayoutKeyWithTheShiftItNeedsHeldInsideTheStrokesOwnModifiers) {
    EXPECT_EQ(Events("a"), (Seq{"65 down", "65 up"}));
    EXPECT_EQ(Events("A"), (Seq{"Shift down", "65 down", "65 up", "Shift up"}));
    EXPECT_EQ(Events("%(Y)"), (Seq{"Alt down", "Shift down", "89 down", "89 up", "Shift up", "Alt up"}));
    EXPECT_EQ(Events("^+e"), (Seq{"Ctrl down", "Shift down", "69 down", "69 up", "Shift up", "Ctrl up"}));
    EXPECT_EQ(Events("@"), (Seq{"Ctrl down", "Alt down", "50 down", "50 up", "Alt up", "Ctrl up"}));
    EXPECT_EQ(Events("{{}"), (Seq{"Shift down", "219 down", "219 up", "Shift up"}));
}

TEST(StrokeInputs, ACharacterWithoutAPressableKeyGoesAsUnicodeWithNoModifierHeld) {
    EXPECT_EQ(Events("{(}"), (Seq{"U+0028 down", "U+0028 up"}));
    EXPECT_EQ(Events("%{(}"), (Seq{"U+0028 down", "U+0028 up"}));
    EXPECT_EQ(Events("\xE2\x82\xAC"), (Seq{"U+20AC down", "U+20AC up"}));
    EXPECT_EQ(Events("\xC3\xA9"), (Seq{"U+00E9 down", "U+00E9 up"}));
    EXPECT_EQ(Events("\xF0\x9D\x84\x9E"), (Seq{"U+D834 down", "U+D834 up", "U+DD1E down", "U+DD1E up"}));
}

TEST(StrokeInputs, NamedKeysOfTheGreyBlockAreExtendedAndTheOthersAreNot) {
    EXPECT_EQ(Events("+{END}"), (Seq{"Shift down", "35 down ext", "35 up ext", "Shift up"}));
    EXPECT_EQ(Events("{DOWN}{HOME}"), (Seq{"40 down ext", "40 up ext", "36 down ext", "36 up ext"}));
    EXPECT_EQ(Events("{esc}~%{F4}"),
              (Seq{"27 down", "27 up", "13 down", "13 up", "Alt down", "115 down", "115 up", "Alt up"}));
}

TEST(ReleasesOwed, OnlyTheModifiersLeftDownByACutBatchAreReleasedInReverseOrder) {
    const TestLayout layout;
    const std::vector<INPUT> batch = StrokeInputs(ParseKeys("^%a").strokes.front(), layout);
    ASSERT_EQ(batch.size(), 6u);
    auto describe = [](const std::vector<INPUT>& inputs) {
        Seq events;
        for (const INPUT& input : inputs) {
            events.push_back(Describe(input));
        }
        return events;
    };
    EXPECT_EQ(describe(ReleasesOwed(batch, 0)), Seq{});
    EXPECT_EQ(describe(ReleasesOwed(batch, 1)), Seq{"Ctrl up"});
    EXPECT_EQ(describe(ReleasesOwed(batch, 3)), (Seq{"Alt up", "Ctrl up"}));
    EXPECT_EQ(describe(ReleasesOwed(batch, 5)), Seq{"Ctrl up"});
    EXPECT_EQ(describe(ReleasesOwed(batch, 6)), Seq{});
}

}  // namespace
}  // namespace velutreck
