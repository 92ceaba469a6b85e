#include "base/utf8.h"

#include <gtest/gtest.h>

namespace velutreck {
namespace {

TEST(Utf8, CountsCodePointsNotBytes) {
    EXPECT_EQ(ToCodePoints("Café del Mar").size(), 12u);
    EXPECT_EQ(ToCodePoints("\xF0\x9F\x8E\xB5").size(), 1u);  // a musical note outside the BMP
}

TEST(Utf8, RoundTripsEveryEncodingLength) {
    const std::string text = "a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x8E\xB5";
    EXPECT_EQ(ToUtf8(ToCodePoints(text)), text);
}

TEST(Utf8, InvalidBytesBecomeReplacementCharactersOneEach) {
    const auto codePoints = ToCodePoints("a\xFF" "b\xC3");
    EXPECT_EQ(codePoints, (std::u32string{U'a', 0xFFFD, U'b', 0xFFFD}));
    EXPECT_EQ(ToCodePoints("\xC0\xAF"), (std::u32string{0xFFFD, 0xFFFD}));  // overlong "/"
}

}  // namespace
}  // namespace velutreck
