// The wall clock on real Windows.
#pragma once

#include "platform/wall_clock.h"

namespace velutreck {

class Win32WallClock : public WallClock {
public:
    std::int64_t ElapsedMs() const override;
    std::string LocalDateTime() const override;
};

}  // namespace velutreck
