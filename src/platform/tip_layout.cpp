#include "platform/tip_layout.h"

namespace velutreck {

namespace {

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

TipText ReadTipMarker(std::string_view rawText) {
    if (rawText.size() >= 3 && rawText[0] == '<' && rawText[2] == '>') {
        const char letter = Lower(rawText[1]);
        if (letter == 'c') {
            return {TipAlignment::Centre, std::string(rawText.substr(3))};
        }
        if (letter == 'r') {
            return {TipAlignment::Right, std::string(rawText.substr(3))};
        }
    }
    return {TipAlignment::Left, std::string(rawText)};
}

TipSize TipSizeAround(TipSize measuredText, std::int32_t borderWidth, std::int32_t borderHeight) {
    return {measuredText.width + (borderWidth + 1) * 2, measuredText.height + (borderHeight + 1) * 2};
}

std::int32_t TipLeft(std::int32_t mouseX, std::int32_t tipWidth, std::int32_t screenWidth) {
    std::int32_t left = mouseX - tipWidth / 2;
    if (left < 0) {
        left = 0;
    }
    if (static_cast<long long>(left) + tipWidth > screenWidth) {
        left = screenWidth - tipWidth;
    }
    return left;
}

}  // namespace velutreck
