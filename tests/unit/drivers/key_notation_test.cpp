#include "drivers/key_notation.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "base/failure.h"

namespace velutreck {
namespace {

// Modifiers written the notation's way: "+" Shift, "^" Ctrl, "%" Alt.
KeyStroke Held(KeyStroke stroke, std::string_view modifiers) {
    stroke.shift = modifiers.find('+') != std::string_view::npos;
    stroke.ctrl = modifiers.find('^') != std::string_view::npos;
    stroke.alt = modifiers.find('%') != std::string_view::npos;
    return stroke;
}

KeyStroke Ch(char32_t c, std::string_view modifiers = "") { return Held({.character = c}, modifiers); }
KeyStroke Key(NamedKey key, std::string_view modifiers = "") { return Held({.key = key}, modifiers); }

using Strokes = std::vector<KeyStroke>;

void ExpectStrokes(const std::string& notation, const Strokes& expected) {
    EXPECT_EQ(ParseKeys(notation).strokes, expected) << notation;
}

TEST(KeyNotation, CharactersTypeThemselvesAndBracesNameKeysInAnyCaseOrTypeOneCharacterLiterally) {
    const KeySequence sequence = ParseKeys("Yé\xF0\x9F\x8E\xB5 ~");
    EXPECT_EQ(sequence.notation, "Yé\xF0\x9F\x8E\xB5 ~");
    EXPECT_EQ(sequence.strokes, (Strokes{Ch(U'Y'), Ch(U'é'), Ch(U'\U0001F3B5'), Ch(U' '), Key(NamedKey::Enter)}));
    ExpectStrokes("{eSC}{bs}{BkSp}{Del}{pgdn}{f16}", {Key(NamedKey::Escape), Key(NamedKey::Backspace),
                  Key(NamedKey::Backspace), Key(NamedKey::Delete), Key(NamedKey::PageDown), Key(NamedKey::F16)});
    ExpectStrokes("{~}{%}{^}{+}{(}{)}{[}{]}{{}{}}{ }", {Ch(U'~'), Ch(U'%'), Ch(U'^'), Ch(U'+'), Ch(U'('),
                  Ch(U')'), Ch(U'['), Ch(U']'), Ch(U'{'), Ch(U'}'), Ch(U' ')});
    ExpectStrokes("+{~}~", {Ch(U'~', "+"), Key(NamedKey::Enter)});
}

TEST(KeyNotation, ModifiersCombineAndHoldOverAWholeGroupWhoseOwnModifiersAdd) {
    ExpectStrokes("+^a", {Ch(U'a', "+^")});
    ExpectStrokes("+(a^b~)c", {Ch(U'a', "+"), Ch(U'b', "+^"), Key(NamedKey::Enter, "+"), Ch(U'c')});
    ExpectStrokes("%(x+(y)z)", {Ch(U'x', "%"), Ch(U'y', "%+"), Ch(U'z', "%")});
}

TEST(KeyNotation, RepeatCountsTypeTheKeyThatManyTimes) {
    ExpectStrokes("+{tab 2}", Strokes(2, Key(NamedKey::Tab, "+")));
    ExpectStrokes("{a 2}{} 2}a{ESC 0}", {Ch(U'a'), Ch(U'a'), Ch(U'}'), Ch(U'}'), Ch(U'a')});
    EXPECT_EQ(ParseKeys("{x 32767}").strokes.size(), 32767u);
    EXPECT_EQ(ParseKeys(std::string(16, '(') + "a" + std::string(16, ')')).strokes.size(), 1u);
}

TEST(KeyNotation, RefusesABrokenSequenceAsAWholeAndQuotesIt) {
    const std::vector<std::string> broken = {
        "{", "ab{esc", "{DOWN 3", "}", "a}b", "(", "%(ab", ")", "ab)", "(a))",  // unmatched
        "{FOO}", "{F17}", "{F0}", "{éé}",                                      // unknown key names
        "{}", "{}a", "a{}b",                                                   // empty braces
        "[", "a]b", "([)",                                                     // reserved brackets
        "a+", "%", "(a^)", "+()", "()",                                        // nothing to hold over
        "++a", "^%^a", "%%(a)",                                                // modifier twice
        "{a x}", "{a -1}", "{a 32768}", "{a 3x}",                              // bad repeat counts
        std::string(17, '(') + "a" + std::string(17, ')'),                    // nested too deep
        std::string(100000, '(') + "a",                                        // would exhaust the stack
    };
    for (const std::string& notation : broken) {
        try {
            ParseKeys(notation);
            ADD_FAILURE() << "accepted " << notation;
        } catch (const Failure& failure) {
            EXPECT_EQ(failure.Kind(), FailureKind::KeyNotation) << notation;
            EXPECT_NE(std::string(failure.what()).find("\"" + notation + "\""), std::string::npos) << failure.what();
        }
    }
}

}  // namespace
}  // namespace velutreck
