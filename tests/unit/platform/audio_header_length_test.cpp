// Lengths read from WAV and AIFF headers, as files in the wild lay them out, and lengths no audio
// file can have.
#include "platform/audio_header_length.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "platform/plausible_length.h"

namespace velutreck {
namespace {

using std::chrono::milliseconds;

std::string Bytes(std::uint64_t value, int size, bool bigEndian = false) {
    std::string bytes;
    for (int i = 0; i < size; ++i) {
        const int shift = 8 * (bigEndian ? size - 1 - i : i);
        bytes += static_cast<char>((value >> shift) & 0xFF);
    }
    return bytes;
}

std::string Chunk(const std::string& id, const std::string& data, bool bigEndian = false) {
    return id + Bytes(data.size(), 4, bigEndian) + data + (data.size() % 2 == 1 ? std::string(1, '\0') : "");
}

// 16-bit stereo at 44,100 Hz: 176,400 bytes a second.
std::string Format(std::uint16_t tag = 1) {
    return Bytes(tag, 2) + Bytes(2, 2) + Bytes(44100, 4) + Bytes(176400, 4) + Bytes(4, 2) + Bytes(16, 2);
}

std::string Extensible(std::uint16_t subFormat, const std::string& guidTail) {
    return Format(0xFFFE) + Bytes(22, 2) + Bytes(16, 2) + Bytes(3, 4) + Bytes(subFormat, 2) + guidTail;
}

const std::string PcmGuidTail("\0\0\0\0\x10\0\x80\0\0\xAA\0\x38\x9B\x71", 14);

std::string Wave(const std::string& chunks, const std::string& form = "RIFF") {
    return form + Bytes(4 + chunks.size(), 4) + "WAVE" + chunks;
}

// The data chunk's header alone, stating `dataSize` bytes, as the start of a long file shows it.
std::string DataHeader(std::uint32_t dataSize) { return "data" + Bytes(dataSize, 4); }

TEST(AudioHeaderLength, WavFilesGiveTheirDataOverTheirByteRateWhateverChunksComeFirst) {
    const auto length = [](const std::string& start, std::uint64_t fileSize) {
        return AudioHeaderLength(start, fileSize);
    };
    const std::string plain = Wave(Chunk("fmt ", Format()) + DataHeader(176400 * 3));
    EXPECT_EQ(length(plain, plain.size() + 176400 * 3), milliseconds(3000));
    // Other chunks before and between, one of odd size and padded, and a fmt chunk with its extra size.
    const std::string busy = Wave(Chunk("LIST", "INFOISFT\x05\0\0\0Lavf\0") + Chunk("odd ", "abc") +
                                  Chunk("fmt ", Format() + Bytes(0, 2)) + Chunk("fact", Bytes(1, 4)) +
                                  DataHeader(176400 / 2));
    EXPECT_EQ(length(busy, busy.size() + 176400 / 2), milliseconds(500));
    // A recording still being written holds less than its header states, or states nothing yet.
    EXPECT_EQ(length(plain, plain.size() + 176400), milliseconds(1000));
    const std::string streamed = Wave(Chunk("fmt ", Format()) + DataHeader(0xFFFFFFFF));
    EXPECT_EQ(length(streamed, streamed.size() + 176400 * 2), milliseconds(2000));
    EXPECT_EQ(length(plain, 10), milliseconds(0));

    for (const std::string& format : {Format(3), Format(6), Extensible(1, PcmGuidTail), Extensible(3, PcmGuidTail)}) {
        const std::string wave = Wave(Chunk("fmt ", format) + DataHeader(176400));
        EXPECT_EQ(length(wave, wave.size() + 176400), milliseconds(1000));
    }
    // Over 4 GB: the sizes are in the ds64 chunk (RIFF size, data size, sample count).
    const std::uint64_t hour = 176400ull * 3600;
    const std::string rf64 = Wave(Chunk("ds64", Bytes(0, 8) + Bytes(hour * 2, 8) + Bytes(0, 8) + Bytes(0, 4)) +
                                      Chunk("fmt ", Format()) + DataHeader(0xFFFFFFFF),
                                  "RF64");
    EXPECT_EQ(length(rf64, hour * 3), milliseconds(2 * 3600 * 1000));
}

TEST(AudioHeaderLength, CompressedStrangeOrCutShortHeadersAreLeftToTheDecoder) {
    const std::string data = DataHeader(176400);
    const std::string otherGuid = std::string(PcmGuidTail).replace(13, 1, "\x72");
    for (const std::string& start : {
             Wave(Chunk("fmt ", Format(0x55)) + data),                        // MP3 inside a WAV file
             Wave(Chunk("fmt ", Format(2)) + data),                           // ADPCM
             Wave(Chunk("fmt ", Extensible(1, otherGuid)) + data),            // a vendor's own sub-format
             Wave(Chunk("fmt ", Format(0xFFFE)) + data),                      // extensible without its extension
             Wave(data + Chunk("fmt ", Format())),                            // data before its format
             Wave(Chunk("fmt ", Format()).substr(0, 20)),                     // the start ends in the format
             Wave(Chunk("fmt ", Format().replace(12, 2, Bytes(0, 2))) + data),  // no bytes per frame
             Wave(Chunk("fmt ", Format())),                                   // no data within the start
             Wave(Chunk("LIST", std::string(70000, 'x')) + Chunk("fmt ", Format()) + data),
             std::string("RIFF\x24\0\0\0WAVX", 12) + Chunk("fmt ", Format()) + data,
             std::string("RIFF\x24\0\0\0CDDA", 12),
             std::string("ID3\x03\0\0\0\0\0\0\xFF\xFB", 12),
             std::string("RIFF\x24\0\0\0WAV", 11),
         }) {
        EXPECT_EQ(AudioHeaderLength(start.substr(0, AudioHeaderBytes), 10'000'000), std::nullopt)
            << testing::PrintToString(start.substr(0, 40));
    }
    // 8-bit mono at 1 Hz, with a data chunk that states 4 GB: no audio file is that long.
    const std::string slow = Bytes(1, 2) + Bytes(1, 2) + Bytes(1, 4) + Bytes(1, 4) + Bytes(1, 2) + Bytes(8, 2);
    EXPECT_EQ(AudioHeaderLength(Wave(Chunk("fmt ", slow) + DataHeader(0xFFFFFFF0)), 0x1'0000'0000), std::nullopt);
}

// 44,100 Hz as an 80-bit extended number: exponent 16383 + 15, then 0xAC44 at the mantissa's top.
const std::string Rate44100 = Bytes(0x400E, 2, true) + Bytes(0xAC44'0000'0000'0000, 8, true);

std::string Aiff(const std::string& kind, std::uint32_t frames, const std::string& rate, const std::string& extra) {
    const std::string common = Bytes(2, 2, true) + Bytes(frames, 4, true) + Bytes(16, 2, true) + rate + extra;
    const std::string chunks = Chunk("FVER", Bytes(0xA2805140, 4, true), true) + Chunk("COMM", common, true) +
                               "SSND" + Bytes(frames * 4 + 8, 4, true);
    return "FORM" + Bytes(4 + chunks.size() + frames * 4, 4, true) + kind + chunks;
}

// An AIFC compression type is followed by its name, here an empty one.
const std::string NoName(2, '\0');

TEST(AudioHeaderLength, AiffFilesGiveTheirFramesOverTheirRateWhenTheyHoldPlainSamples) {
    EXPECT_EQ(AudioHeaderLength(Aiff("AIFF", 88200, Rate44100, ""), 0), milliseconds(2000));
    for (const char* type : {"NONE", "sowt", "fl32", "in24"}) {
        EXPECT_EQ(AudioHeaderLength(Aiff("AIFC", 441, Rate44100, type + NoName), 0), milliseconds(10)) << type;
    }
    const std::string ima = Aiff("AIFC", 441, Rate44100, "ima4" + NoName);
    const std::string negative = Aiff("AIFF", 441, Bytes(0xC00E, 2, true) + Rate44100.substr(2), "");
    const std::string zero = Aiff("AIFF", 441, std::string(10, '\0'), "");
    // Without its type, whatever follows is not read as one.
    std::string aifcWithoutType = Aiff("AIFC", 441, Rate44100, "");
    aifcWithoutType.replace(aifcWithoutType.find("SSND"), 4, "sowt");
    for (const std::string& start : {ima, negative, zero, aifcWithoutType, Aiff("AIFF", 441, Rate44100, "").substr(0, 40)}) {
        EXPECT_EQ(AudioHeaderLength(start, 0), std::nullopt);
    }
}

TEST(PlausibleLength, ALengthOfADayOrMoreIsNoneAndNothingWrapsRound) {
    constexpr std::uint64_t HundredNanoseconds = 10'000'000;
    EXPECT_EQ(PlausibleLength(std::numeric_limits<std::uint64_t>::max(), HundredNanoseconds), std::nullopt);
    EXPECT_EQ(PlausibleLength(0x8000'0000'0000'0000, HundredNanoseconds), std::nullopt);
    EXPECT_EQ(PlausibleLength(24ull * 3600 * HundredNanoseconds, HundredNanoseconds), std::nullopt);
    EXPECT_EQ(PlausibleLength(24ull * 3600 * HundredNanoseconds - 1, HundredNanoseconds), milliseconds(86'399'999));
    EXPECT_EQ(PlausibleLength(2'345'678, HundredNanoseconds), milliseconds(234));
    EXPECT_EQ(PlausibleLength(0, 44100), milliseconds(0));
    EXPECT_EQ(PlausibleLength(1, 0), std::nullopt);
    EXPECT_EQ(PlausibleLength(0xFFFF'FFFF, 0xFFFF'FFFF), milliseconds(1000));
}

}  // namespace
}  // namespace velutreck
