// The texts of the common file dialog: filters as NUL-separated pairs, and the maximum size of
// an answer counted in UTF-16 units with the terminators the dialog needs. The answers themselves
// come back from the real Add dialog in the end-to-end test.
#include <gtest/gtest.h>

#include <string>

#include "platform/win32/dialog_text.h"
#include "platform/win32/wide_text.h"

namespace velutreck {
namespace {

using namespace std::string_literals;

TEST(DialogText, AFilterBecomesNulSeparatedPairsAndAnAnswerFitsWhenItAndItsTerminatorsFitInUtf16Units) {
    EXPECT_EQ(DialogFilter("Lieder für Jörg (*.nra)|*.nra|All files (*.*)|*.*"),
              L"Lieder für Jörg (*.nra)\0*.nra\0All files (*.*)\0*.*\0\0"s);

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
