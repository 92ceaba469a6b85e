// The time of day and the time that has passed, read through the platform so that the simulator
// can run whole jobs in virtual time.
#pragma once

#include <cstdint>
#include <string>

namespace velutreck {

class WallClock {
public:
    WallClock() = default;
    WallClock(const WallClock&) = delete;
    WallClock& operator=(const WallClock&) = delete;
    virtual ~WallClock() = default;

    // Milliseconds since some fixed moment; never goes back.
    virtual std::int64_t ElapsedMs() const = 0;
    // The local date and time, "2026-12-07 21:04:59".
    virtual std::string LocalDateTime() const = 0;
};

}  // namespace velutreck
