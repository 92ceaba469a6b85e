#include "rehearsal/standins/wave_playing_time.h"

#include <cstdint>
#include <string_view>

namespace velutreck {

namespace {

constexpr int ChunkLimit = 64;  // a header of more chunks than this is not one of ours

std::uint64_t LittleEndian32(std::string_view bytes, std::size_t at) {
    std::uint64_t value = 0;
    for (std::size_t i = 4; i-- > 0;) {
        value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    }
    return value;
}

}  // namespace

// "RIFF", a size, "WAVE", then chunks of an id, a 32-bit size and the payload, padded to an even size.
std::optional<std::chrono::milliseconds> WavePlayingTime(const FileSystem& files, const std::string& path) {
    const auto riff = files.ReadFileRange(path, 0, 12);
    if (!riff || riff->substr(0, 4) != "RIFF" || riff->substr(8, 4) != "WAVE") {
        return std::nullopt;
    }
    std::uint64_t bytesPerSecond = 0;
    std::uint64_t at = 12;
    for (int chunk = 0; chunk < ChunkLimit; ++chunk) {
        const auto header = files.ReadFileRange(path, at, 8);
        if (!header) {
            return std::nullopt;
        }
        const std::uint64_t size = LittleEndian32(*header, 4);
        if (header->starts_with("fmt ")) {
            const auto format = files.ReadFileRange(path, at + 8, 12);
            if (!format) {
                return std::nullopt;
            }
            bytesPerSecond = LittleEndian32(*format, 8);
        } else if (header->starts_with("data")) {
            if (bytesPerSecond == 0) {
                return std::nullopt;
            }
            return std::chrono::milliseconds(size * 1000 / bytesPerSecond);
        }
        at += 8 + size + size % 2;
    }
    return std::nullopt;
}

}  // namespace velutreck
