#include "tracklist/media_limits.h"

#include <cstdio>

namespace velutreck {

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
