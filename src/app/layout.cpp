#include "app/layout.h"

#include <algorithm>

#include "base/utf8.h"

namespace velutreck {

int TwipsToPixels(int twips, int dpi) {
    const long long scaled = static_cast<long long>(twips) * dpi;
    const long long half = scaled < 0 ? -720 : 720;
    return static_cast<int>((scaled + half) / 1440);
}

std::vector<const LayoutControl*> ControlsInKeyboardOrder() {
    std::vector<const LayoutControl*> ordered;
    for (const LayoutControl& control : MainWindowLayout) {
        if (control.keyboardOrder) {
            ordered.push_back(&control);
        }
    }
    std::ranges::sort(ordered, {}, [](const LayoutControl* control) { return *control->keyboardOrder; });
    return ordered;
}

std::optional<char32_t> AccessKey(std::string_view caption) {
    const std::u32string characters = ToCodePoints(caption);
    for (std::size_t i = 0; i + 1 < characters.size(); ++i) {
        if (characters[i] != U'&') {
            continue;
        }
        const char32_t next = characters[i + 1];
        if (next == U'&') {
            ++i;
            continue;
        }
        return next >= U'a' && next <= U'z' ? next - U'a' + U'A' : next;
    }
    return std::nullopt;
}

}  // namespace velutreck
