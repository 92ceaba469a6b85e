#include "platform/nero_image.h"

#include <cstdint>
#include <optional>
#include <string_view>

#include "platform/nero_image_chunks.h"

namespace velutreck {

namespace {

constexpr std::uint64_t AudioSectorSize = 2352;
constexpr std::uint64_t AudioMode = 0x07;
constexpr std::uint64_t SectorsPerSecond = 75;

// Where each version keeps what a chunk entry says; the chunk ids are those of the version.
struct Layout {
    const char* discAtOnceId;
    std::size_t discAtOnceEntry;   // bytes per track after the 22-byte header
    std::size_t discOffsetWidth;   // each of the three file offsets of a track
    const char* trackAtOnceId;
    std::size_t trackAtOnceEntry;  // bytes per track
    std::size_t trackNumberWidth;  // its file offset and byte length
};

constexpr Layout LayoutOne{"DAOI", 30, 4, "ETNF", 20, 4};
constexpr Layout LayoutTwo{"DAOX", 42, 8, "ETN2", 32, 8};
constexpr std::size_t DiscHeaderSize = 22;

using Sectors = std::vector<std::uint64_t>;

std::optional<std::uint64_t> AudioSectors(std::uint64_t mode, std::uint64_t bytes) {
    if (mode != AudioMode || bytes % AudioSectorSize != 0) {
        return std::nullopt;
    }
    return bytes / AudioSectorSize;
}

// Disc-at-once: a header ending in the first and last track numbers, then per track its ISRC, its
// sector size and mode, and the file offsets of its pregap, its start and its end.
bool AddDiscAtOnceTracks(std::string_view payload, const Layout& layout, std::uint64_t dataEnd, Sectors& tracks) {
    if (payload.size() < DiscHeaderSize) {
        return false;
    }
    const std::uint64_t first = NeroNumber(payload, 20, 1);
    const std::uint64_t last = NeroNumber(payload, 21, 1);
    if (last < first || payload.size() != DiscHeaderSize + (last - first + 1) * layout.discAtOnceEntry) {
        return false;
    }
    for (std::size_t at = DiscHeaderSize; at < payload.size(); at += layout.discAtOnceEntry) {
        const std::size_t width = layout.discOffsetWidth;
        const std::uint64_t pregap = NeroNumber(payload, at + 18, width);
        const std::uint64_t start = NeroNumber(payload, at + 18 + width, width);
        const std::uint64_t end = NeroNumber(payload, at + 18 + 2 * width, width);
        const auto sectors = AudioSectors(NeroNumber(payload, at + 14, 1), end - start);
        if (pregap > start || start > end || end > dataEnd || NeroNumber(payload, at + 12, 2) != AudioSectorSize ||
            !sectors) {
            return false;
        }
        tracks.push_back(*sectors);
    }
    return true;
}

// Track-at-once: per track its file offset, its length in bytes and its mode.
bool AddTrackAtOnceTracks(std::string_view payload, const Layout& layout, std::uint64_t dataEnd, Sectors& tracks) {
    if (payload.size() % layout.trackAtOnceEntry != 0) {
        return false;
    }
    for (std::size_t at = 0; at + layout.trackAtOnceEntry <= payload.size(); at += layout.trackAtOnceEntry) {
        const std::size_t width = layout.trackNumberWidth;
        const std::uint64_t offset = NeroNumber(payload, at, width);
        const std::uint64_t length = NeroNumber(payload, at + width, width);
        const auto sectors = AudioSectors(NeroNumber(payload, at + 2 * width, 4), length);
        if (offset > dataEnd || length > dataEnd - offset || !sectors) {
            return false;
        }
        tracks.push_back(*sectors);
    }
    return true;
}

// The tracks of every disc-at-once chunk, or when there is none, of every track-at-once chunk.
std::optional<Sectors> TrackSectors(const NeroImageChain& chain) {
    const Layout& layout = chain.version == NeroImageVersion::One ? LayoutOne : LayoutTwo;
    for (const bool discAtOnce : {true, false}) {
        Sectors tracks;
        bool found = false;
        for (const NeroImageChunk& chunk : chain.chunks) {
            if (chunk.id != (discAtOnce ? layout.discAtOnceId : layout.trackAtOnceId)) {
                continue;
            }
            found = true;
            const bool added = discAtOnce ? AddDiscAtOnceTracks(chunk.payload, layout, chain.firstChunkOffset, tracks)
                                          : AddTrackAtOnceTracks(chunk.payload, layout, chain.firstChunkOffset, tracks);
            if (!added) {
                return std::nullopt;
            }
        }
        if (found) {
            return tracks;
        }
    }
    return std::nullopt;
}

}  // namespace

NeroImageReading ReadNeroImage(const FileSystem& files, const std::string& path) {
    if (!files.FileExists(path)) {
        return {};
    }
    const auto chain = ReadNeroImageChain(files, path);
    const auto sectors = chain ? TrackSectors(*chain) : std::nullopt;
    if (!sectors || sectors->empty()) {
        return {NeroImageOutcome::Unreadable, {}};
    }
    NeroImageReading reading{NeroImageOutcome::Read, {}};
    for (const std::uint64_t count : *sectors) {
        reading.trackLengths.emplace_back(count * 1000 / SectorsPerSecond);
    }
    return reading;
}

}  // namespace velutreck
