#include "rehearsal/standins/wave_playing_time.h"

#include <gtest/gtest.h>

#include <string>

#include "rehearsal/desktop/sim_file_system.h"

namespace velutreck {
namespace {

std::string Little32(std::uint32_t value) {
    std::string out;
    for (int shift = 0; shift < 32; shift += 8) {
        out += static_cast<char>((value >> shift) & 0xFF);
    }
    return out;
}

std::string WaveChunk(const std::string& id, const std::string& payload) {
    return id + Little32(static_cast<std::uint32_t>(payload.size())) + payload + std::string(payload.size() % 2, '\0');
}

// PCM at 8000 samples of two bytes a second: 16000 bytes a second.
std::string Format(std::uint32_t bytesPerSecond) {
    return WaveChunk("fmt ", std::string("\x01\0\x01\0", 4) + Little32(8000) + Little32(bytesPerSecond) +
                                 std::string("\x02\0\x10\0", 4));
}

std::string Wave(const std::string& chunks) { return "RIFF" + Little32(4 + chunks.size()) + "WAVE" + chunks; }

TEST(WavePlayingTime, ComesFromTheDataSizeAndTheBytesPerSecondPastOtherChunksOfAnySize) {
    SimFileSystem files;
    const auto timeOf = [&files](const std::string& bytes) {
        files.WriteFile("C:\\Music.wav", bytes);
        return WavePlayingTime(files, "C:\\Music.wav");
    };
    const std::string data = WaveChunk("data", std::string(24'000, '\0'));
    EXPECT_EQ(timeOf(Wave(Format(16'000) + data)), std::chrono::milliseconds(1'500));
    EXPECT_EQ(timeOf(Wave(WaveChunk("LIST", "odd") + Format(16'000) + WaveChunk("fact", "1234") + data)),
              std::chrono::milliseconds(1'500))
        << "an odd chunk is padded to an even size";

    EXPECT_EQ(timeOf(Wave(data + Format(16'000))), std::nullopt) << "data before its format";
    EXPECT_EQ(timeOf(Wave(Format(0) + data)), std::nullopt);
    EXPECT_EQ(timeOf(Wave(Format(16'000))), std::nullopt) << "no data";
    EXPECT_EQ(timeOf("RIFX" + Wave(Format(16'000) + data).substr(4)), std::nullopt);
    EXPECT_EQ(timeOf("ID3 an MP3 file"), std::nullopt);
    EXPECT_EQ(WavePlayingTime(files, "C:\\Missing.wav"), std::nullopt);
}

}  // namespace
}  // namespace velutreck
