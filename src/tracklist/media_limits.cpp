#include "tracklist/media_limits.h"

#include <cstdio>

namespace velutreck {

int MiniDiscMinutesAt(Int16 index) {
    const int at = static_cast<int>(index);
    return at >= 0 && at < static_cast<int>(MiniDiscLengths.size()) ? MiniDiscLengths[static_cast<std::size_t>(at)]
                                                                      : DefaultMiniDiscMinutes;
}

Int16 MiniDiscLengthIndex(int minutes) {
    for (std::size_t index = 0; index < MiniDiscLengths.size(); ++index) {
        if (MiniDiscLengths[index] == minutes) {
            return static_cast<long long>(index);
        }
    }
    return -1;
}

std::string AMiniDiscOf(int minutes) {
    // Of the lengths listed, only "eighty" starts with a vowel's sound.
    const std::string number = std::to_string(minutes);
    return (number.front() == '8' ? "an " : "a ") + number + "-minute MiniDisc";
}

std::string FormatPlayingTime(std::chrono::milliseconds time) {
    const long long seconds = (time.count() + 500) / 1000;
    char text[32];
    if (seconds >= 3600) {
        std::snprintf(text, sizeof(text), "%lld:%02lld:%02lld", seconds / 3600, seconds / 60 % 60, seconds % 60);
    } else {
        std::snprintf(text, sizeof(text), "%lld:%02lld", seconds / 60, seconds % 60);
    }
    return text;
}

}  // namespace velutreck
