// The toolkit-free part of the enhanced tooltips: the alignment marker at the start of a tip text,
// the tip's size around its measured text, and where the tip goes so that it is centred under the
// mouse pointer and stays on the screen.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace velutreck {

// The width at which tip texts wrap; installing the tips first sets TipNoWrapWidth.
inline constexpr std::int32_t TipMaxWidth = 400;
inline constexpr std::int32_t TipNoWrapWidth = 2147483647;

enum class TipAlignment { Left, Centre, Right };

struct TipText {
    TipAlignment alignment = TipAlignment::Left;
    std::string text;  // without its marker
};

// "<c>" centres the text and "<r>" aligns it right, in either case; the marker is not shown.
// Any other text is left-aligned and kept whole.
TipText ReadTipMarker(std::string_view rawText);

struct TipSize {
    std::int32_t width = 0;
    std::int32_t height = 0;
};

// The tip window around its measured text: one pixel plus the border on every side.
TipSize TipSizeAround(TipSize measuredText, std::int32_t borderWidth, std::int32_t borderHeight);

// The tip's left edge: centred under the pointer, not left of the screen, and moved left when
// its right edge would stick out past the screen's.
std::int32_t TipLeft(std::int32_t mouseX, std::int32_t tipWidth, std::int32_t screenWidth);

}  // namespace velutreck
