#include "rehearsal/operator/sample_files.h"

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <stdexcept>

#include "platform/win32/wide_text.h"

namespace velutreck::operating {

namespace {

constexpr std::uint32_t SampleRate = 8000;
constexpr std::uint16_t BytesPerSample = 2;

void Append16(std::string& out, std::uint16_t value) {
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>(value >> 8);
}

void Append32(std::string& out, std::uint32_t value) {
    Append16(out, static_cast<std::uint16_t>(value & 0xFFFF));
    Append16(out, static_cast<std::uint16_t>(value >> 16));
}

// The header of such a file whose samples take `dataBytes`.
std::string WaveHeader(std::uint32_t dataBytes) {
    std::string wave = "RIFF";
    Append32(wave, 36 + dataBytes);
    wave += "WAVEfmt ";
    Append32(wave, 16);
    Append16(wave, 1);  // PCM
    Append16(wave, 1);  // mono
    Append32(wave, SampleRate);
    Append32(wave, SampleRate * BytesPerSample);
    Append16(wave, BytesPerSample);
    Append16(wave, 16);
    wave += "data";
    Append32(wave, dataBytes);
    return wave;
}

std::uint32_t SampleCount(int milliseconds) {
    return static_cast<std::uint32_t>(std::uint64_t{SampleRate} * static_cast<std::uint64_t>(milliseconds) / 1000);
}

}  // namespace

std::string ToneWave(int milliseconds, double hertz) {
    const std::uint32_t samples = SampleCount(milliseconds);
    std::string wave = WaveHeader(samples * BytesPerSample);
    for (std::uint32_t i = 0; i < samples; ++i) {
        const double level = 8000.0 * std::sin(2.0 * std::numbers::pi * hertz * i / SampleRate);
        Append16(wave, static_cast<std::uint16_t>(static_cast<std::int16_t>(std::lround(level))));
    }
    return wave;
}

void WriteSilentWave(const std::string& path, int milliseconds) {
    const std::uint32_t dataBytes = SampleCount(milliseconds) * BytesPerSample;
    const std::string header = WaveHeader(dataBytes);
    WriteBytes(path, header);
    // Zeros are silence; a file lengthened past its end holds zeros without taking room on the disk.
    std::filesystem::resize_file(std::filesystem::path(Widen(path)), header.size() + dataBytes);
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    const std::filesystem::path file(Widen(path));
    std::error_code ignored;
    std::filesystem::create_directories(file.parent_path(), ignored);
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out.flush()) {
        throw std::runtime_error("Cannot write " + path + ".");
    }
}

std::string DiscReport(const MiniDisc& disc) {
    std::string report = "Disc name: \"" + disc.title + "\"\n";
    int trackNumber = 0;
    for (std::size_t group = 0; group < disc.groups.size(); ++group) {
        report += "Group " + std::to_string(group + 1) + ": \"" + disc.groups[group].title + "\"\n";
        for (const DiscTrack& track : disc.groups[group].tracks) {
            report += "  Track " + std::to_string(++trackNumber) + ": \"" + track.title + "\" (" + track.mode +
                      ") from " + track.source + "\n";
        }
    }
    return report;
}

}  // namespace velutreck::operating
