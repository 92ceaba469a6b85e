#include "base/utf8.h"

#include <gtest/gtest.h>

namespace velutreck {
namespace {

TEST(Utf8, CountsCodePointsRoundTripsEveryLengthAndReplacesEachInvalidByte) {
    EXPECT_EQ(ToCodePoints("Café del Mar").size(), 12u);
    EXPECT_EQ(ToCodePoints("\xF0\x9F\x8E\xB5").size(), 1u);  // a musical note outside the BMP
    const std::string text = "a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x8E\xB5";
    EXPECT_EQ(ToUtf8(ToCodePoints(text)), text);
    EXPECT_EQ(ToCodePoints("a\xFF" "b\xC3"), (std::u32string{U'a', 0xFFFD, U'b', 0xFFFD}));
    EXPECT_EQ(ToCodePoints("\xC0\xAF"), (std::u32string{0xFFFD, 0xFFFD}));  // overlong "/"
}

}  // namespace
}  // namespace velutreck
