#include "platform/tip_layout.h"

#include <gtest/gtest.h>

namespace velutreck {
namespace {

void ExpectTip(std::string_view raw, TipAlignment alignment, std::string_view shown) {
    const TipText tip = ReadTipMarker(raw);
    EXPECT_EQ(tip.alignment, alignment) << raw;
    EXPECT_EQ(tip.text, shown) << raw;
}

TEST(ReadTipMarker, CentresOrRightAlignsOnAMarkerInEitherCaseAndLeavesAnyOtherTextWhole) {
    ExpectTip("<c>Centred", TipAlignment::Centre, "Centred");
    ExpectTip("<C>Centred", TipAlignment::Centre, "Centred");
    ExpectTip("<r>Right", TipAlignment::Right, "Right");
    ExpectTip("<R>Right", TipAlignment::Right, "Right");
    ExpectTip("<c>", TipAlignment::Centre, "");
    ExpectTip("<c><r>x", TipAlignment::Centre, "<r>x");
    ExpectTip("<x>abc", TipAlignment::Left, "<x>abc");
    ExpectTip("<c", TipAlignment::Left, "<c");
    ExpectTip(" <c>abc", TipAlignment::Left, " <c>abc");
    ExpectTip("c>abc", TipAlignment::Left, "c>abc");
    ExpectTip("", TipAlignment::Left, "");
    ExpectTip("Shift up", TipAlignment::Left, "Shift up");
}

TEST(TipSizeAround, AddsOnePixelAndTheBorderOnEverySide) {
    const TipSize size = TipSizeAround({.width = 380, .height = 39}, 1, 2);
    EXPECT_EQ(size.width, 384);
    EXPECT_EQ(size.height, 45);
}

TEST(TipLeft, CentresUnderThePointerAndKeepsTheTipOnTheScreen) {
    EXPECT_EQ(TipLeft(500, 200, 1024), 400);
    EXPECT_EQ(TipLeft(500, 201, 1024), 400) << "half the width rounds toward zero";
    EXPECT_EQ(TipLeft(50, 200, 1024), 0);
    EXPECT_EQ(TipLeft(-30, 200, 1024), 0);
    EXPECT_EQ(TipLeft(1000, 200, 1024), 824);
    EXPECT_EQ(TipLeft(924, 200, 1024), 824) << "a tip that just fits stays put";
}

}  // namespace
}  // namespace velutreck
