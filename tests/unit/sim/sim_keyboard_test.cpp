// The simulated keyboard plays key events as Windows does: dead keys that wait for the next key, a
// layout per program whose characters shortcuts carry, an input method that composes while open,
// and Caps Lock under the setting that lets only Shift turn it off.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "rehearsal/desktop/sim_keyboard.h"
#include "rehearsal/standins/key_text.h"

namespace velutreck {
namespace {

namespace vk = virtual_key;

constexpr std::uint16_t Quote = 0xDE;  // VK_OEM_7
constexpr std::uint16_t Caret = 0xDD;  // VK_OEM_6, "^" on AZERTY

std::vector<KeyEvent> Press(std::uint16_t key, std::vector<std::uint16_t> held = {}) {
    std::vector<KeyEvent> events;
    for (std::uint16_t modifier : held) {
        events.push_back({.virtualKey = modifier});
    }
    events.push_back({.virtualKey = key});
    events.push_back({.virtualKey = key, .up = true});
    for (std::uint16_t modifier : held) {
        events.push_back({.virtualKey = modifier, .up = true});
    }
    return events;
}

std::uint16_t Letter(char letter) { return static_cast<std::uint16_t>(vk::LetterA + (letter - 'a')); }

// What the program of the task receives, stroke by stroke.
std::string Played(SimKeyboard& keyboard, const std::vector<std::vector<KeyEvent>>& presses, TaskId task = 1) {
    std::string text;
    for (const std::vector<KeyEvent>& press : presses) {
        for (const KeyEvent& event : press) {
            for (const KeyStroke& stroke : keyboard.Play(event, task)) {
                text += (text.empty() ? "" : "|") + KeyText(stroke);
            }
        }
    }
    return text;
}

TEST(SimKeyboard, ADeadKeyAccentsTheLetterAfterItAndTypesItselfBeforeSpaceItselfOrAnythingElse) {
    SimKeyboard keyboard;
    keyboard.SetLayout(SimLayout::UsInternational);
    EXPECT_EQ(Played(keyboard, {Press(Letter('d'), {vk::Shift}), Press(Quote), Press(Letter('a'), {vk::Shift})}),
              "D|\xC3\x81");
    EXPECT_EQ(Played(keyboard, {Press(Quote), Press(vk::Space), Press(Quote), Press(Quote)}), "'|'");
    EXPECT_EQ(Played(keyboard, {Press(Quote), Press(Letter('x')), Press(Quote, {vk::Shift}), Press(Letter('e'))}),
              "'|x|\xC3\xAB");
    EXPECT_EQ(Played(keyboard, {Press(vk::Digit0 + 6, {vk::Shift}), Press(Letter('o'))}), "\xC3\xB4");

    keyboard.SetLayout(SimLayout::French);
    EXPECT_EQ(Played(keyboard, {Press(Caret), Press(Letter('e')), Press(vk::Digit0 + 2, {vk::Control, vk::Menu}),
                                Press(Letter('n')), Press(vk::Digit0 + 8, {vk::Control, vk::Menu})}),
              "\xC3\xAA|\xC3\xB1|\\");

    keyboard.SetLayout(SimLayout::PolishProgrammers);
    constexpr std::uint16_t Grave = 0xC0;  // VK_OEM_3
    EXPECT_EQ(Played(keyboard, {Press(Grave), Press(Grave, {vk::Shift}), Press(Letter('e')),
                                Press(Grave, {vk::Shift}), Press(vk::Space)}),
              "`|\xC4\x99|~");

    keyboard.SetLayout(SimLayout::Hungarian);
    EXPECT_EQ(Played(keyboard, {Press(vk::Digit0 + 5, {vk::Control, vk::Menu}), Press(Letter('a'), {vk::Shift}),
                                Press(vk::Digit0 + 1, {vk::Shift})}),
              "\xC3\x85|'");

    keyboard.SetLayout(SimLayout::UnitedStates);
    EXPECT_EQ(Played(keyboard, {Press(Quote), Press(Letter('a'))}), "'|a");
}

// Windows asks about dead keys at every level (ToUnicodeEx) or only without Shift (MapVirtualKeyEx).
TEST(SimKeyboardLayout, ADeadKeyAtAnyLevelIsToldKeyByKeyButOnlyOneWithoutShiftCountsForTheLayout) {
    const SimKeyboardLayout polish(SimLayout::PolishProgrammers);
    EXPECT_EQ(polish.IsDeadKey({.virtualKey = 0xC0, .shift = true}), true);
    EXPECT_EQ(polish.IsDeadKey({.virtualKey = 0xC0}), false);
    EXPECT_FALSE(polish.HasDeadKeys());
    const SimKeyboardLayout hungarian(SimLayout::Hungarian);
    EXPECT_EQ(hungarian.IsDeadKey({.virtualKey = vk::Digit0 + 1, .ctrl = true, .alt = true}), true);
    EXPECT_EQ(hungarian.IsDeadKey({.virtualKey = vk::Digit0 + 1, .shift = true}), false);
    EXPECT_FALSE(hungarian.HasDeadKeys());
    EXPECT_TRUE(SimKeyboardLayout(SimLayout::UsInternational).HasDeadKeys());
}

TEST(SimKeyboard, EachProgramHasItsOwnLayoutAndShortcutsCarryTheCharacterItMakes) {
    SimKeyboard keyboard;
    keyboard.SetLayoutOf(2, SimLayout::Russian);
    EXPECT_EQ(Played(keyboard, {Press(Letter('e'), {vk::Menu}), Press(Letter('l'))}, 1), "Alt+E|l");
    EXPECT_EQ(Played(keyboard, {Press(Letter('e'), {vk::Menu}), Press(Letter('l'))}, 2),
              "Alt+\xD1\x83|\xD0\xB4");
    keyboard.SetLayout(SimLayout::UnitedStates);
    EXPECT_EQ(keyboard.LayoutOf(2), SimLayout::UnitedStates);
}

// Since Windows 8 a program that switches its layout switches every program's, unless the user
// chose one input language per window; a layout that is not installed is never switched to.
TEST(SimKeyboard, ALanguageSwitchIsTheWholeDesktopsUnlessOnePerWindowAndOnlyToAnInstalledLayout) {
    SimKeyboard keyboard;
    keyboard.SetLayout(SimLayout::Russian);
    EXPECT_TRUE(keyboard.SwitchLanguage(2, SimLayout::UnitedStates));
    EXPECT_EQ(keyboard.LayoutOf(1), SimLayout::UnitedStates);
    keyboard.SetLanguagePerWindow(true);
    EXPECT_TRUE(keyboard.SwitchLanguage(2, SimLayout::Russian));
    EXPECT_EQ(keyboard.LayoutOf(2), SimLayout::Russian);
    EXPECT_EQ(keyboard.LayoutOf(1), SimLayout::UnitedStates);
    EXPECT_FALSE(keyboard.SwitchLanguage(1, SimLayout::French));
    EXPECT_EQ(keyboard.LayoutOf(1), SimLayout::UnitedStates);
}

TEST(SimKeyboard, AnOpenInputMethodComposesKeysUntilEnterButNotUnicodeNorShortcuts) {
    SimKeyboard keyboard;
    keyboard.SetInputMethodOpen(1, true);
    EXPECT_EQ(Played(keyboard, {Press(Letter('a')), Press(vk::Digit0 + 1), Press(Letter('e'), {vk::Menu}),
                                {{.scanCode = u'c', .unicode = true}}, Press(vk::Return)}),
              "Alt+E|c|\xEF\xBD\x81|\xEF\xBC\x91");
    EXPECT_EQ(Played(keyboard, {Press(Letter('a')), Press(vk::Escape), Press(vk::Return)}), "Enter");
    EXPECT_EQ(Played(keyboard, {Press(Letter('a'))}, 2), "a");
}

TEST(SimKeyboard, WhenShiftTurnsOffCapsLockPressingCapsLockLeavesItOn) {
    SimKeyboard keyboard;
    keyboard.SetCapsLock(true);
    keyboard.SetShiftTurnsOffCapsLock(true);
    EXPECT_TRUE(keyboard.CapsLockOnAfter(Press(vk::Capital)));
    EXPECT_EQ(Played(keyboard, {Press(vk::Capital), Press(Letter('a'))}), "A");
    EXPECT_FALSE(keyboard.CapsLockOnAfter(Press(vk::Shift)));
    EXPECT_EQ(Played(keyboard, {Press(vk::Shift), Press(Letter('a'))}), "a");
    EXPECT_FALSE(keyboard.CapsLockOn());
    EXPECT_TRUE(keyboard.CapsLockOnAfter(Press(vk::Capital)));
}

}  // namespace
}  // namespace velutreck
