// A ".cda" file: the 44 bytes Windows shows for each track of an audio CD. It holds the track's
// length itself, in CD sectors of 1/75 second, so no decoder is needed to read it.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"

namespace velutreck {

inline constexpr std::size_t CdTrackFileSize = 44;

// The track's length; none when the bytes are not a CD track file.
std::optional<std::chrono::milliseconds> CdTrackLength(std::string_view bytes);

// Whether the path ends in ".cda", in any case.
bool IsCdTrackFile(std::string_view path);

// The audio tracks a disc shows in its drive's root ("E:\\"): the lengths of its "TrackNN.cda"
// files in the order of their numbers. A file that is not a CD track file is no track.
std::vector<std::chrono::milliseconds> CdTracksIn(const FileSystem& files, const std::string& root);

}  // namespace velutreck
