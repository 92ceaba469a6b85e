#include "drivers/modPublic.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "base/failure.h"
#include "base/utf8.h"
#include "driver_test_desktop.h"
#include "drivers/key_notation.h"

namespace velutreck {
namespace {

// What ParseKeys(EscapeKeys(text)) types, as plain text; a named key or modifier shows as a fault.
std::u32string TypedCharacters(const std::string& notation) {
    std::u32string typed;
    for (const KeyStroke& stroke : ParseKeys(notation).strokes) {
        const bool plain = stroke.key == NamedKey::None && !stroke.shift && !stroke.ctrl && !stroke.alt;
        typed.push_back(plain ? stroke.character : U'\0');
    }
    return typed;
}

TEST(EscapeKeys, TypesBackExactlyTheTextItWasGiven) {
    std::vector<std::string> texts = {"", "~%^+()[]{}", "{} 2}", "C:\\Temp\\~TmpVelutreck.nrg",
                                      "Björk - Jóga (live) [1997] \xF0\x9F\x8E\xB5", "a\xFF{"};
    // Random texts drawn mostly from the characters that mean something in the notation.
    const std::u32string alphabet = U"~%^+()[]{}{} aZ9\\.é♪";
    std::mt19937 random(2003);
    for (int n = 0; n < 200; ++n) {
        std::u32string text;
        for (std::size_t i = random() % 12; i > 0; --i) {
            text.push_back(alphabet[random() % alphabet.size()]);
        }
        texts.push_back(ToUtf8(text));
    }
    for (const std::string& text : texts) {
        EXPECT_EQ(TypedCharacters(EscapeKeys(text)), ToCodePoints(text)) << text;
    }
}

TEST(EscapeKeys, CountsCharactersNotBytesUpTo32767) {
    std::string longest;
    for (int i = 0; i < 32767; ++i) {
        longest += "é";
    }
    EXPECT_EQ(EscapeKeys(longest), longest);
    EXPECT_EQ(EscapeKeys(std::string(32767, '+')).size(), 3u * 32767);
    try {
        EscapeKeys(longest + "a");
        ADD_FAILURE() << "a text of 32,768 characters was escaped";
    } catch (const Failure& failure) {
        EXPECT_EQ(failure.Kind(), FailureKind::Overflow);
    }
}

class GeneralPause : public DriverTest {};

TEST_F(GeneralPause, LastsItsSecondsEvenPast32AndNeverGoesNegative) {
    for (Int16 seconds : {0, 33, 32767, -1, -32768}) {
        window.generalShortPause = seconds;
        PauseGeneral(context);
    }
    EXPECT_EQ(Calls(), (std::vector<std::string>{"Pause(0)", "Pause(33000)", "Pause(32767000)", "Pause(0)",
                                                 "Pause(0)"}));
}

}  // namespace
}  // namespace velutreck
