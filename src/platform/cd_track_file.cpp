#include "platform/cd_track_file.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include "base/file_in_folder.h"

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

// The number of "Track07.cda" (any case); none for another name.
std::optional<int> TrackNumber(std::string_view name) {
    constexpr std::string_view Prefix = "track";
    if (name.size() <= Prefix.size() + 4 || !IsCdTrackFile(name)) {
        return std::nullopt;
    }
    for (std::size_t i = 0; i < Prefix.size(); ++i) {
        if (static_cast<char>(name[i] | 0x20) != Prefix[i]) {
            return std::nullopt;
        }
    }
    int number = 0;
    for (const char c : name.substr(Prefix.size(), name.size() - Prefix.size() - 4)) {
        if (c < '0' || c > '9' || number > 999) {
            return std::nullopt;
        }
        number = number * 10 + (c - '0');
    }
    return number;
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

std::vector<std::chrono::milliseconds> CdTracksIn(const FileSystem& files, const std::string& root) {
    std::vector<std::pair<int, std::chrono::milliseconds>> numbered;
    for (const std::string& name : files.ListFolder(root).files) {
        const std::optional<int> number = TrackNumber(name);
        const std::optional<std::string> bytes = number ? files.ReadFile(FileInFolder(root, name)) : std::nullopt;
        if (const std::optional<std::chrono::milliseconds> length = bytes ? CdTrackLength(*bytes) : std::nullopt) {
            numbered.emplace_back(*number, *length);
        }
    }
    std::sort(numbered.begin(), numbered.end());
    std::vector<std::chrono::milliseconds> tracks;
    for (const auto& [number, length] : numbered) {
        tracks.push_back(length);
    }
    return tracks;
}

}  // namespace velutreck
