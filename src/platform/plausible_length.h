// A length that no audio file can have says nothing about the file: a decoder or a header that
// reports a day or more, or a count that would wrap round to a negative time, gives an unknown
// length instead, so that it never cancels the real lengths it is added to.
#pragma once

#include <chrono>
#include <cstdint>
#include <optional>

namespace velutreck {

inline constexpr std::chrono::hours LongestAudioFile{24};

// The time that `units` make at `unitsPerSecond` (samples at their rate, Media Foundation's
// 100-nanosecond units), or none when that is longer than any audio file or the rate is zero.
// The rate is at most 2^32, as every format states it.
std::optional<std::chrono::milliseconds> PlausibleLength(std::uint64_t units, std::uint64_t unitsPerSecond);

}  // namespace velutreck
