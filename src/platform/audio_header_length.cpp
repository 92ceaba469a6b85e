#include "platform/audio_header_length.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "platform/plausible_length.h"

namespace velutreck {

namespace {

// An unsigned number of `size` bytes at `at`, which the caller has checked lies within the bytes.
std::uint64_t Number(std::string_view bytes, std::size_t at, std::size_t size, bool bigEndian) {
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < size; ++i) {
        const auto byte = static_cast<unsigned char>(bytes[bigEndian ? at + i : at + size - 1 - i]);
        value = (value << 8) | byte;
    }
    return value;
}

struct Chunk {
    std::string_view id;
    std::uint64_t size = 0;
    std::size_t dataAt = 0;
};

// The chunks after the 12-byte form header, as far as their headers lie within the start; chunks
// are padded to an even size.
template <typename Visit>
void ForEachChunk(std::string_view start, bool bigEndian, Visit&& visit) {
    for (std::uint64_t at = 12; at + 8 <= start.size();) {
        const Chunk chunk{start.substr(at, 4), Number(start, at + 4, 4, bigEndian), static_cast<std::size_t>(at + 8)};
        if (!visit(chunk)) {
            return;
        }
        at = chunk.dataAt + chunk.size + (chunk.size & 1);
    }
}

bool Holds(std::string_view start, const Chunk& chunk, std::size_t size) {
    return chunk.size >= size && chunk.dataAt + size <= start.size();
}

constexpr std::uint16_t Extensible = 0xFFFE;
// The rest of KSDATAFORMAT_SUBTYPE_PCM and its kin after their format tag, as the bytes lie.
constexpr std::string_view SubFormatTail{"\0\0\0\0\x10\0\x80\0\0\xAA\0\x38\x9B\x71", 14};

// PCM, IEEE float, A-law and mu-law: a constant number of bytes per sample frame.
bool IsUncompressedWave(std::uint64_t tag) { return tag == 1 || tag == 3 || tag == 6 || tag == 7; }

std::optional<std::chrono::milliseconds> WaveLength(std::string_view start, std::uint64_t fileSize, bool rf64) {
    std::optional<std::chrono::milliseconds> length;
    std::uint64_t rf64DataSize = 0;
    std::uint64_t rate = 0;
    std::uint64_t blockAlign = 0;
    ForEachChunk(start, false, [&](const Chunk& chunk) {
        if (chunk.id == "ds64" && Holds(start, chunk, 16)) {
            rf64DataSize = Number(start, chunk.dataAt + 8, 8, false);
        } else if (chunk.id == "fmt ") {
            if (!Holds(start, chunk, 16)) {
                return false;
            }
            std::uint64_t tag = Number(start, chunk.dataAt, 2, false);
            if (tag == Extensible && Holds(start, chunk, 40) && start.substr(chunk.dataAt + 26, 14) == SubFormatTail) {
                tag = Number(start, chunk.dataAt + 24, 2, false);
            }
            if (!IsUncompressedWave(tag)) {
                return false;
            }
            rate = Number(start, chunk.dataAt + 4, 4, false);
            blockAlign = Number(start, chunk.dataAt + 12, 2, false);
        } else if (chunk.id == "data") {
            if (blockAlign == 0) {
                return false;
            }
            const std::uint64_t stated = rf64 && chunk.size == 0xFFFFFFFF ? rf64DataSize : chunk.size;
            const std::uint64_t held = fileSize > chunk.dataAt ? fileSize - chunk.dataAt : 0;
            length = PlausibleLength(std::min(stated, held) / blockAlign, rate);
            return false;
        }
        return true;
    });
    return length;
}

// The compression types of AIFC files that store plain samples, one sample frame counted as one.
constexpr std::array<std::string_view, 12> PlainAifcTypes = {"NONE", "sowt", "twos", "raw ", "in24", "in32",
                                                             "fl32", "FL32", "fl64", "FL64", "alaw", "ulaw"};

// The sample rate, an 80-bit extended number; none for one no recording has.
std::optional<std::uint64_t> ExtendedRate(std::string_view start, std::size_t at) {
    const std::uint64_t signAndExponent = Number(start, at, 2, true);
    const std::uint64_t mantissa = Number(start, at + 2, 8, true);
    constexpr int Bias = 16383 + 63;
    const double rate = std::ldexp(static_cast<double>(mantissa), static_cast<int>(signAndExponent) - Bias);
    constexpr double HighestRate = 10'000'000;
    // A negative rate has its sign at the exponent's top, so it reads as far beyond any rate.
    if (!(rate >= 1 && rate <= HighestRate)) {
        return std::nullopt;
    }
    return static_cast<std::uint64_t>(std::llround(rate));
}

std::optional<std::chrono::milliseconds> AiffLength(std::string_view start, bool aifc) {
    std::optional<std::chrono::milliseconds> length;
    ForEachChunk(start, true, [&](const Chunk& chunk) {
        if (chunk.id != "COMM") {
            return true;
        }
        if (!Holds(start, chunk, aifc ? 22 : 18)) {
            return false;
        }
        const std::string_view compression = aifc ? start.substr(chunk.dataAt + 18, 4) : "NONE";
        const std::optional<std::uint64_t> rate = ExtendedRate(start, chunk.dataAt + 8);
        if (rate && std::find(PlainAifcTypes.begin(), PlainAifcTypes.end(), compression) != PlainAifcTypes.end()) {
            length = PlausibleLength(Number(start, chunk.dataAt + 2, 4, true), *rate);
        }
        return false;
    });
    return length;
}

}  // namespace

std::optional<std::chrono::milliseconds> AudioHeaderLength(std::string_view start, std::uint64_t fileSize) {
    if (start.size() < 12) {
        return std::nullopt;
    }
    const std::string_view form = start.substr(0, 4);
    const std::string_view kind = start.substr(8, 4);
    if ((form == "RIFF" || form == "RF64") && kind == "WAVE") {
        return WaveLength(start, fileSize, form == "RF64");
    }
    if (form == "FORM" && (kind == "AIFF" || kind == "AIFC")) {
        return AiffLength(start, kind == "AIFC");
    }
    return std::nullopt;
}

}  // namespace velutreck
