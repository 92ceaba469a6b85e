#include "engine/pause_seconds.h"

#include <charconv>
#include <cmath>

#include "base/failure.h"

namespace velutreck {

double PauseSeconds(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    const auto last = text.find_last_not_of(' ');
    if (first == std::string::npos) {
        throw Failure(FailureKind::Conversion, "Not a number: \"" + text + "\"");
    }
    const char* begin = text.data() + first;
    const char* end = text.data() + last + 1;
    if (*begin == '+' && begin + 1 != end && begin[1] != '-') {
        ++begin;  // from_chars takes a minus sign only
    }
    double seconds = 0;
    const auto [stop, error] = std::from_chars(begin, end, seconds, std::chars_format::general);
    if (error != std::errc() || stop != end || !std::isfinite(seconds)) {
        throw Failure(FailureKind::Conversion, "Not a number: \"" + text + "\"");
    }
    return seconds;
}

}  // namespace velutreck
