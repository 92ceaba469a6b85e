// The length of an uncompressed audio file from its header, without a decoder: WAV (RIFF/WAVE,
// also with WAVE_FORMAT_EXTENSIBLE, and RF64 for files over 4 GB) and AIFF/AIFC. Windows editions
// without Media Foundation (the N editions) read these lengths too. Only the file's start is needed.
#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string_view>

namespace velutreck {

// How much of a file's start is read for its header; a header that does not end within it is not read.
inline constexpr std::size_t AudioHeaderBytes = 64 * 1024;

// The playing time the header states for a file of `fileSize` bytes whose start is `start`; a WAV
// file cut short (a recording still being written) plays what it holds. None when the start is
// not such a header, or the format is compressed (a decoder knows better), or the length cannot be.
std::optional<std::chrono::milliseconds> AudioHeaderLength(std::string_view start, std::uint64_t fileSize);

}  // namespace velutreck
