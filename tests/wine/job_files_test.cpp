// The files around a job that people and players read: the generated tones are WAV files whose
// sizes agree with each other, and every step's screenshot gets a file name of its own that
// Windows accepts.
#include <gtest/gtest.h>

#include <cstdint>
#include <set>

#include "rehearsal/operator/job_screenshots.h"
#include "rehearsal/operator/sample_files.h"

namespace velutreck::operating {
namespace {

std::uint32_t Read32(const std::string& bytes, std::size_t at) {
    std::uint32_t value = 0;
    for (std::size_t i = 4; i-- > 0;) {
        value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    }
    return value;
}

TEST(JobFiles, AToneIsAWaveFileWhoseChunkSizesAndRatesAgreeWithItsLength) {
    for (int milliseconds : {0, 1, 250, 1000}) {
        const std::string wave = ToneWave(milliseconds, 440);
        ASSERT_GE(wave.size(), 44u);
        EXPECT_EQ(wave.substr(0, 4), "RIFF");
        EXPECT_EQ(Read32(wave, 4), wave.size() - 8) << "RIFF size";
        EXPECT_EQ(wave.substr(8, 8), "WAVEfmt ");
        const std::uint32_t sampleRate = Read32(wave, 24);
        const std::uint32_t byteRate = Read32(wave, 28);
        EXPECT_EQ(byteRate, sampleRate * 2) << "16-bit mono";
        EXPECT_EQ(wave.substr(36, 4), "data");
        EXPECT_EQ(Read32(wave, 40), wave.size() - 44) << "data size";
        EXPECT_EQ(Read32(wave, 40), byteRate * static_cast<std::uint32_t>(milliseconds) / 1000);
    }
}

TEST(JobFiles, EveryStepOfAJobGetsAScreenshotFileNamedAfterItsStatus) {
    EXPECT_EQ(StepShotPath(L"C:\\shots", L"e2e", 7, "Starting Nero - Velutreck"),
              L"C:\\shots\\e2e-07-Starting-Nero.png");
    EXPECT_EQ(StepShotPath(L"C:\\shots", L"e2e", 31, "Velutreck"), L"C:\\shots\\e2e-31-Velutreck.png");
    // Whatever a caption holds, the name stays one file in the folder.
    const std::wstring odd = StepShotPath(L"C:\\shots", L"demo", 2, "a\\b/c:d*e?f\"g<h>i|j - Velutreck");
    EXPECT_EQ(odd, L"C:\\shots\\demo-02-a-b-c-d-e-f-g-h-i-j.png");
    std::set<std::wstring> names;
    for (std::size_t step = 0; step < 40; ++step) {
        names.insert(StepShotPath(L"C:\\shots", L"e2e", step, "Recording - Velutreck"));
    }
    EXPECT_EQ(names.size(), 40u);
}

}  // namespace
}  // namespace velutreck::operating
