#include "platform/cd_track_file.h"

#include <cstdint>

namespace velutreck {

namespace {

constexpr int SectorsPerSecond = 75;
constexpr std::size_t LengthInSectorsAt = 32;

std::uint32_t LittleEndian32(std::string_view bytes, std::size_t at) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        value |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + i])) << (8 * i);
    }
    return value;
}

}  // namespace

// "RIFF", the size of what follows (36), "CDDA", and a "fmt " chunk of 24 bytes: version, track
// number, disc serial number, first sector, length in sectors, then both again as minutes,
// seconds and frames.
std::optional<std::chrono::milliseconds> CdTrackLength(std::string_view bytes) {
    if (bytes.size() != CdTrackFileSize || bytes.substr(0, 4) != "RIFF" || bytes.substr(8, 8) != "CDDAfmt " ||
        LittleEndian32(bytes, 16) != 24) {
        return std::nullopt;
    }
    const std::uint64_t sectors = LittleEndian32(bytes, LengthInSectorsAt);
    return std::chrono::milliseconds(sectors * 1000 / SectorsPerSecond);
}

bool IsCdTrackFile(std::string_view path) {
    if (path.size() < 4) {
        return false;
    }
    std::string_view extension = path.substr(path.size() - 4);
    const char* expected = ".cda";
    for (std::size_t i = 0; i < 4; ++i) {
        const char c = extension[i];
        if ((c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c) != expected[i]) {
            return false;
        }
    }
    return true;
}

}  // namespace velutreck
