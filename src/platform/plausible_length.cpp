#include "platform/plausible_length.h"

namespace velutreck {

std::optional<std::chrono::milliseconds> PlausibleLength(std::uint64_t units, std::uint64_t unitsPerSecond) {
    constexpr std::uint64_t LongestSeconds = std::chrono::seconds(LongestAudioFile).count();
    // Compared as whole seconds first, so that nothing below can overflow for any rate a file states.
    if (unitsPerSecond == 0 || units / unitsPerSecond >= LongestSeconds) {
        return std::nullopt;
    }
    const std::uint64_t seconds = units / unitsPerSecond;
    const std::uint64_t rest = units % unitsPerSecond;
    return std::chrono::milliseconds(seconds * 1000 + rest * 1000 / unitsPerSecond);
}

}  // namespace velutreck
