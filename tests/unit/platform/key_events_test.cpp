// The events a stroke becomes on US, Russian (no Latin letter), US-International, French, Polish
// (Programmers) and Hungarian layouts.
#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "base/failure.h"
#include "drivers/key_notation.h"
#include "platform/key_events.h"
#include "rehearsal/desktop/sim_keyboard.h"

namespace velutreck {
namespace {

using Seq = std::vector<std::string>;

// One event as "Alt down", "69 up", "U+0028 down", with "ext" for extended keys.
std::string Describe(const KeyEvent& event) {
    const std::string direction = event.up ? " up" : " down";
    if (event.unicode) {
        char unit[8];
        std::snprintf(unit, sizeof(unit), "U+%04X", event.scanCode);
        return unit + direction;
    }
    const std::map<std::uint16_t, std::string> names = {
        {virtual_key::Shift, "Shift"}, {virtual_key::Control, "Ctrl"}, {virtual_key::Menu, "Alt"}};
    const auto name = names.find(event.virtualKey);
    return (name != names.end() ? name->second : std::to_string(event.virtualKey)) + direction +
           (event.extended ? " ext" : "");
}

Seq Describe(const std::vector<KeyEvent>& events) {
    Seq described;
    for (const KeyEvent& event : events) {
        described.push_back(Describe(event));
    }
    return described;
}

Seq Events(SimLayout kind, const std::string& notation, bool textAsUnicode = false) {
    const SimKeyboardLayout layout(kind);
    Seq events;
    for (const KeyStroke& stroke : ParseKeys(notation).strokes) {
        const Seq described = Describe(StrokeEvents(stroke, layout, textAsUnicode));
        events.insert(events.end(), described.begin(), described.end());
    }
    return events;
}

TEST(StrokeEvents, CharactersGoAsLayoutKeysWhereTheyAreNotDeadAndEverythingElseAsUnicodeWithoutModifiers) {
    const SimLayout us = SimLayout::UnitedStates;
    const SimLayout russian = SimLayout::Russian;
    const struct {
        SimLayout layout;
        std::string notation;
        Seq events;
    } rows[] = {
        {us, "a", {"65 down", "65 up"}},
        {us, "A", {"Shift down", "65 down", "65 up", "Shift up"}},
        {us, "%(Y)", {"Alt down", "Shift down", "89 down", "89 up", "Shift up", "Alt up"}},
        {us, "^+e", {"Ctrl down", "Shift down", "69 down", "69 up", "Shift up", "Ctrl up"}},
        {us, "{(}", {"Shift down", "57 down", "57 up", "Shift up"}},
        {us, "\xC3\xA9", {"U+00E9 down", "U+00E9 up"}},
        {us, "%\xC3\xA9", {"U+00E9 down", "U+00E9 up"}},
        {us, "\xF0\x9D\x84\x9E", {"U+D834 down", "U+D834 up", "U+DD1E down", "U+DD1E up"}},
        {us, "+{END}", {"Shift down", "35 down ext", "35 up ext", "Shift up"}},
        {us, "{esc}%{F4}", {"27 down", "27 up", "Alt down", "115 down", "115 up", "Alt up"}},
        // Simple Burner's track list: to the first row, edit it, on to the next row.
        {us, "{HOME}{F2}{DOWN}~", {"36 down ext", "36 up ext", "113 down", "113 up", "40 down ext", "40 up ext", "13 down", "13 up"}},
        {russian, "^1", {"Ctrl down", "49 down", "49 up", "Ctrl up"}},
        // In a text, the key of "l" would type "д" there.
        {russian, "l", {"U+006C down", "U+006C up"}},
        {russian, "\xD0\xB4", {"76 down", "76 up"}},
        {russian, "\xD0\x94", {"Shift down", "76 down", "76 up", "Shift up"}},
        {russian, "7", {"55 down", "55 up"}},
        {russian, "%{(}", {"U+0028 down", "U+0028 up"}},
        {russian, "%\xD1\x91", {"U+0451 down", "U+0451 up"}},
        // Accents and quote marks never go through a key that may be dead on a layout with dead keys;
        // on one without, they are keys like any character.
        {SimLayout::UsInternational, "D'A", {"Shift down", "68 down", "68 up", "Shift up", "U+0027 down", "U+0027 up",
                                             "Shift down", "65 down", "65 up", "Shift up"}},
        {us, "{~}\"`{^}", {"Shift down", "192 down", "192 up", "Shift up", "Shift down", "222 down", "222 up",
                          "Shift up", "192 down", "192 up", "Shift down", "54 down", "54 up", "Shift up"}},
        // Polish (Programmers)' one dead key is "~" on Shift; Hungarian's are on AltGr, "°" among them.
        {SimLayout::PolishProgrammers, "{~}`", {"U+007E down", "U+007E up", "192 down", "192 up"}},
        {SimLayout::Hungarian, "{~}\xC2\xB0'", {"U+007E down", "U+007E up", "U+00B0 down", "U+00B0 up", "Shift down",
                                                "49 down", "49 up", "Shift up"}},
        // AZERTY types the digits with Shift and the backslash with AltGr.
        {SimLayout::French, "1\\", {"Shift down", "49 down", "49 up", "Shift up", "Ctrl down", "Alt down", "56 down",
                                     "56 up", "Alt up", "Ctrl up"}},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(Events(row.layout, row.notation), row.events)
            << row.notation << " on the " << LayoutName(row.layout) << " layout";
    }
}

// A layout as Windows before 10 version 1607 shows it: which keys are dead without Shift, not which
// are with Shift or AltGr.
class LayoutThatCannotTell : public SimKeyboardLayout {
public:
    using SimKeyboardLayout::SimKeyboardLayout;
    std::optional<bool> IsDeadKey(const LayoutKey&) const override { return std::nullopt; }
};

// There the accents and quote marks go as Unicode on a layout with a key dead without Shift, and as
// keys on any other, Polish (Programmers) included.
TEST(StrokeEvents, WhereTheLayoutCannotTellDeadKeysTheAccentsGoAsUnicodeOnlyOnLayoutsWithAnUnshiftedDeadKey) {
    const auto events = [](SimLayout kind, const std::string& notation) {
        const LayoutThatCannotTell layout(kind);
        return Describe(StrokeEvents(ParseKeys(notation).strokes.front(), layout));
    };
    EXPECT_EQ(events(SimLayout::French, "{~}"), (Seq{"U+007E down", "U+007E up"}));
    EXPECT_EQ(events(SimLayout::French, "\xC2\xB0"), (Seq{"Shift down", "219 down", "219 up", "Shift up"}));
    EXPECT_EQ(events(SimLayout::PolishProgrammers, "{~}"), (Seq{"Shift down", "192 down", "192 up", "Shift up"}));
}

TEST(HasLatinLetters, OnlyALayoutThatTypesEveryLetterFromAToZ) {
    EXPECT_TRUE(HasLatinLetters(SimKeyboardLayout(SimLayout::French)));
    EXPECT_TRUE(HasLatinLetters(SimKeyboardLayout(SimLayout::Hungarian)));
    EXPECT_FALSE(HasLatinLetters(SimKeyboardLayout(SimLayout::Russian)));
}

// On a Russian layout Alt and the key named E would reach Nero as Alt+"у", which opens no menu.
TEST(StrokeEvents, AShortcutWhoseLetterTheLayoutLacksNeedsALatinLayoutAndIsNeverTypedAsAnotherCharacter) {
    const SimKeyboardLayout russian(SimLayout::Russian);
    const SimKeyboardLayout french(SimLayout::French);
    const auto needs = [](const std::string& notation, const KeyboardLayout& layout) {
        return NeedsLatinLayout(ParseKeys(notation).strokes, layout);
    };
    EXPECT_TRUE(needs("%el", russian));
    EXPECT_TRUE(needs("Mix%(Y)", russian));
    EXPECT_FALSE(needs("l%{F4}^1%{(}", russian));
    EXPECT_FALSE(needs("%el%(Y)", french));
    EXPECT_THROW(StrokeEvents(ParseKeys("%e").strokes.front(), russian), Failure);
}

// When Caps Lock would not turn off or an input method would not close, text goes as Unicode,
// and only text: shortcuts and named keys stay keys.
TEST(StrokeEvents, TextAsUnicodeLeavesShortcutsAndNamedKeysAsKeys) {
    EXPECT_EQ(Events(SimLayout::UnitedStates, "aB%e{ENTER}", true),
              (Seq{"U+0061 down", "U+0061 up", "U+0042 down", "U+0042 up", "Alt down", "69 down", "69 up", "Alt up",
                   "13 down", "13 up"}));
}

TEST(CapsLockToggleEvents, CapsLockIsPressedOnlyWhenItIsOn) {
    const SimKeyboardLayout layout(SimLayout::UnitedStates);
    EXPECT_EQ(Describe(CapsLockToggleEvents(false, layout)), Seq{});
    EXPECT_EQ(Describe(CapsLockToggleEvents(true, layout)), (Seq{"20 down", "20 up"}));
}

TEST(ReleasesOwed, OnlyTheModifiersLeftDownByACutBatchAreReleasedInReverseOrder) {
    const SimKeyboardLayout layout(SimLayout::UnitedStates);
    const std::vector<KeyEvent> batch = StrokeEvents(ParseKeys("^%a").strokes.front(), layout);
    ASSERT_EQ(batch.size(), 6u);
    EXPECT_EQ(Describe(ReleasesOwed(batch, 0)), Seq{});
    EXPECT_EQ(Describe(ReleasesOwed(batch, 1)), Seq{"Ctrl up"});
    EXPECT_EQ(Describe(ReleasesOwed(batch, 3)), (Seq{"Alt up", "Ctrl up"}));
    EXPECT_EQ(Describe(ReleasesOwed(batch, 5)), Seq{"Ctrl up"});
    EXPECT_EQ(Describe(ReleasesOwed(batch, 6)), Seq{});
}

}  // namespace
}  // namespace velutreck
