#include "rehearsal/standins/cd_image.h"

#include <algorithm>

#include "platform/nero_image.h"

namespace velutreck {

namespace {

constexpr std::uint64_t ShortestTrackSectors = 4 * CdSectorsPerSecond;

// Whole sectors: a part of one is filled up with silence.
std::uint64_t Sectors(std::chrono::milliseconds time) {
    const auto count = static_cast<std::uint64_t>(std::max<std::chrono::milliseconds::rep>(time.count(), 0));
    return (count * CdSectorsPerSecond + 999) / 1000;
}

std::vector<std::string> SourceNames(const FileSystem& files, const std::string& path) {
    const auto chain = ReadNeroImageChain(files, path);
    std::vector<std::string> sources;
    if (!chain) {
        return sources;
    }
    const auto names = std::ranges::find(chain->chunks, "AFNM", &NeroImageChunk::id);
    if (names == chain->chunks.end()) {
        return sources;
    }
    for (std::size_t at = 0, end = 0; (end = names->payload.find('\0', at)) != std::string::npos; at = end + 1) {
        sources.push_back(names->payload.substr(at, end - at));
    }
    return sources;
}

}  // namespace

AudioImage CdImage(const std::vector<CdImageTrack>& tracks, NeroImageVersion version) {
    std::vector<std::uint64_t> sectors;
    std::vector<std::string> sources;
    for (const CdImageTrack& track : tracks) {
        sectors.push_back(track.playingTime ? Sectors(*track.playingTime) : ShortestTrackSectors);
        sources.push_back(track.source);
    }
    return MakeAudioImage(sectors, version, sources);
}

std::vector<std::string> CdImageSources(const FileSystem& files, const std::string& path) {
    const NeroImageReading reading = ReadNeroImage(files, path);
    std::vector<std::string> sources = SourceNames(files, path);
    if (sources.size() != reading.trackLengths.size()) {
        sources.assign(reading.trackLengths.size(), "");
    }
    return sources;
}

}  // namespace velutreck
