// A ".cda" file: the 44 bytes Windows shows for each track of an audio CD. It holds the track's
// length itself, in CD sectors of 1/75 second, so no decoder is needed to read it.
#pragma once

#include <chrono>
#include <optional>
#include <string_view>

namespace velutreck {

inline constexpr std::size_t CdTrackFileSize = 44;

// The track's length; none when the bytes are not a CD track file.
std::optional<std::chrono::milliseconds> CdTrackLength(std::string_view bytes);

// Whether the path ends in ".cda", in any case.
bool IsCdTrackFile(std::string_view path);

}  // namespace velutreck
