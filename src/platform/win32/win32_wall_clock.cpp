#include "platform/win32/win32_wall_clock.h"

#include <cstdio>

#include "platform/win32/windows_api.h"

namespace velutreck {

std::int64_t Win32WallClock::ElapsedMs() const { return static_cast<std::int64_t>(GetTickCount64()); }

std::string Win32WallClock::LocalDateTime() const {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    char text[32];
    std::snprintf(text, sizeof(text), "%04u-%02u-%02u %02u:%02u:%02u", now.wYear, now.wMonth, now.wDay, now.wHour,
                  now.wMinute, now.wSecond);
    return text;
}

}  // namespace velutreck
