#include "rehearsal/desktop/sim_wall_clock.h"

#include <cstdio>

namespace velutreck {

std::string SimWallClock::LocalDateTime() const {
    const std::int64_t seconds = 20 * 3600 + clock_.Now() / 1000;
    char text[32];
    std::snprintf(text, sizeof(text), "2003-04-%02d %02d:%02d:%02d", static_cast<int>(15 + seconds / 86400),
                  static_cast<int>(seconds / 3600 % 24), static_cast<int>(seconds / 60 % 60),
                  static_cast<int>(seconds % 60));
    return text;
}

}  // namespace velutreck
