#include "tracklist/natural_order.h"

#include <string>

#include "base/utf8.h"

namespace velutreck {

namespace {

bool IsDigit(char32_t c) { return c >= U'0' && c <= U'9'; }

// ASCII and the Latin-1 capitals; the multiplication sign sits among them and is no letter.
char32_t Folded(char32_t c) {
    if ((c >= U'A' && c <= U'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) {
        return c + 0x20;
    }
    return c;
}

// The digits of the run at `at`, leading zeros left out; `at` moves past the run.
std::u32string_view DigitRun(std::u32string_view text, std::size_t& at) {
    while (at < text.size() && text[at] == U'0' && at + 1 < text.size() && IsDigit(text[at + 1])) {
        ++at;
    }
    const std::size_t start = at;
    while (at < text.size() && IsDigit(text[at])) {
        ++at;
    }
    return text.substr(start, at - start);
}

// Negative, zero or positive as a sorts before, with or after b.
int CompareNatural(std::u32string_view a, std::u32string_view b) {
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() && j < b.size()) {
        if (IsDigit(a[i]) && IsDigit(b[j])) {
            const std::u32string_view left = DigitRun(a, i);
            const std::u32string_view right = DigitRun(b, j);
            if (left.size() != right.size()) {
                return left.size() < right.size() ? -1 : 1;
            }
            if (const int digits = left.compare(right); digits != 0) {
                return digits;
            }
            continue;
        }
        const char32_t left = Folded(a[i++]);
        const char32_t right = Folded(b[j++]);
        if (left != right) {
            return left < right ? -1 : 1;
        }
    }
    return (i < a.size()) - (j < b.size());
}

}  // namespace

bool NaturalLess(std::string_view a, std::string_view b) {
    const int order = CompareNatural(ToCodePoints(a), ToCodePoints(b));
    return order != 0 ? order < 0 : a < b;
}

}  // namespace velutreck
