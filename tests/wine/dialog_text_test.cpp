// The texts of the common file dialog: filters as NUL-separated pairs, answers with their NULs
// kept, and the maximum size counted in UTF-16 units with the terminators the dialog needs.
#include <gtest/gtest.h>

#include <string>

#include "platform/win32/dialog_text.h"
#include "platform/win32/wide_text.h"

namespace velutreck {
namespace {

using namespace std::string_literals;

TEST(DialogText, AFilterBecomesNulSeparatedPairsEndingInTwoNuls) {
    EXPECT_EQ(DialogFilter("Nero audio projects (*.nra)|*.nra|All files (*.*)|*.*"),
              L"Nero audio projects (*.nra)\0*.nra\0All files (*.*)\0*.*\0\0"s);
    EXPECT_EQ(DialogFilter("Lieder für Jörg|*.mp3"), L"Lieder für Jörg\0*.mp3\0\0"s);
}

TEST(DialogText, AnAnswerOfSeveralNamesKeepsItsNulsAndEndsAtTheFirstTwo) {
    std::wstring buffer = L"C:\\Music\0a.mp3\0Björk.mp3\0\0"s;
    buffer.resize(64, L'\0');
    const std::wstring answer = DialogAnswer(buffer);
    EXPECT_EQ(answer, L"C:\\Music\0a.mp3\0Björk.mp3"s);
    EXPECT_EQ(Narrow(answer), "C:\\Music\0a.mp3\0Björk.mp3"s);

    std::wstring single = L"C:\\Music\\a.mp3";
    single.resize(64, L'\0');
    EXPECT_EQ(DialogAnswer(single), L"C:\\Music\\a.mp3");
    EXPECT_EQ(DialogAnswer(std::wstring(16, L'\0')), L"");
}

TEST(DialogText, AnAnswerFitsWhenItAndItsTerminatorsFitTheBufferCountedInUtf16Units) {
    const std::wstring path256(256, L'x');
    EXPECT_TRUE(AnswerFits(path256, 257));
    EXPECT_FALSE(AnswerFits(path256 + L"x", 257));
    // A list of several names ends in two NULs.
    const std::wstring several = L"C:\\Music\0a.mp3"s;
    EXPECT_TRUE(AnswerFits(several, static_cast<long long>(several.size() + 2)));
    EXPECT_FALSE(AnswerFits(several, static_cast<long long>(several.size() + 1)));
    // A character beyond the Basic Multilingual Plane takes two units.
    const std::wstring clef = Widen("C:\\𝄞.mp3");
    EXPECT_EQ(clef.size(), 9u);
    EXPECT_FALSE(AnswerFits(clef, 9));
    EXPECT_TRUE(AnswerFits(clef, 10));
}

}  // namespace
}  // namespace velutreck
