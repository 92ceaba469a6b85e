// The chunks at the end of a Nero image file. Nero writes the sector data first, then a chain of
// chunks that describe the disc (each an id, a 32-bit big-endian payload size and the payload, up
// to "END!"), then a footer that names the format version and where the chain begins. Only the
// footer and the chain are read, from the end of the file, never the sector data: an image of
// 700 MB costs a few reads of a few kilobytes. A footer or chunk that does not fit the file, or a
// chain larger than any Nero writes, makes the file no image at all.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"

namespace velutreck {

// Version 1 ends in "NERO" and a 32-bit offset, and names its chunks CUES, DAOI, ETNF; version 2
// ends in "NER5" and a 64-bit offset, and names them CUEX, DAOX, ETN2.
enum class NeroImageVersion { One, Two };

inline constexpr std::uint64_t NeroImageChainLimit = 1 << 20;

struct NeroImageChunk {
    std::string id;
    std::string payload;
};

struct NeroImageChain {
    NeroImageVersion version = NeroImageVersion::Two;
    std::uint64_t firstChunkOffset = 0;  // where the sector data ends
    std::vector<NeroImageChunk> chunks;  // in file order, "END!" last
};

// None when the file cannot be read or holds no chain of chunks as described above.
std::optional<NeroImageChain> ReadNeroImageChain(const FileSystem& files, const std::string& path);

// The unsigned big-endian number of that many bytes at the offset; the caller checks the bounds.
std::uint64_t NeroNumber(std::string_view bytes, std::size_t at, std::size_t width);

}  // namespace velutreck
