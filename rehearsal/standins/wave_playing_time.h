// How long a WAV file plays, from its header: the bytes per second of its "fmt " chunk and the
// size of its "data" chunk. Enough for the generated sample files the stand-ins are given.
#pragma once

#include <chrono>
#include <optional>
#include <string>

#include "platform/file_system.h"

namespace velutreck {

// None for a file that is not a WAV file with both chunks.
std::optional<std::chrono::milliseconds> WavePlayingTime(const FileSystem& files, const std::string& path);

}  // namespace velutreck
