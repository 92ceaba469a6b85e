// The image reader on the images the stand-in of Nero writes, on Empty.nrg, on track-at-once
// images and on every kind of file that is no image it can read. The writer and the reader share
// nothing but the format, so a slip in either shows as a disagreement here.
#include "platform/nero_image.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "delivery/nrg_image.h"
#include "rehearsal/desktop/sim_file_system.h"
#include "rehearsal/standins/cd_image.h"

namespace velutreck {
namespace {

using std::chrono::milliseconds;
using Lengths = std::vector<milliseconds>;

const std::string Path = "C:\\Temp\\~TmpVelutreck.nrg";

// Forwards the reads that an image reader may make, counting their bytes, and fails the test on a
// read of the whole file.
class CountingFiles : public SimFileSystem {
public:
    std::optional<std::string> ReadFile(const std::string& path) const override {
        ADD_FAILURE() << "the whole of " << path << " was read";
        return SimFileSystem::ReadFile(path);
    }
    std::optional<std::string> ReadFileRange(const std::string& path, std::uint64_t offset,
                                             std::size_t length) const override {
        bytesRead += length;
        return SimFileSystem::ReadFileRange(path, offset, length);
    }
    mutable std::uint64_t bytesRead = 0;
};

std::string BigEndian(std::uint64_t value, int bytes) {
    std::string out;
    for (int shift = (bytes - 1) * 8; shift >= 0; shift -= 8) {
        out += static_cast<char>((value >> shift) & 0xFF);
    }
    return out;
}

std::string NrgChunk(const std::string& id, const std::string& payload) {
    return id + BigEndian(payload.size(), 4) + payload;
}

class NeroImage : public testing::Test {
protected:
    void SetUp() override { files.CreateFolder("C:\\Temp"); }

    NeroImageReading Write(const AudioImage& image) {
        files.WriteFileAfterZeros(Path, image.silence, image.chunks);
        return ReadNeroImage(files, Path);
    }
    NeroImageReading WriteBytes(const std::string& bytes) {
        files.WriteFile(Path, bytes);
        return ReadNeroImage(files, Path);
    }
    // An image of silence of that many bytes, then the chunks, "END!" and the version's footer.
    NeroImageReading WriteChain(std::uint64_t silence, const std::string& chunks, NeroImageVersion version) {
        const bool two = version == NeroImageVersion::Two;
        return Write({silence, chunks + NrgChunk("END!", "") + (two ? "NER5" : "NERO") + BigEndian(silence, two ? 8 : 4)});
    }
    // The stand-in's image of files of these lengths.
    NeroImageReading WriteTracks(const Lengths& lengths, NeroImageVersion version = NeroImageVersion::Two) {
        std::vector<CdImageTrack> tracks;
        for (const milliseconds length : lengths) {
            tracks.push_back({"C:\\Music\\" + std::to_string(tracks.size()) + ".mp3", length});
        }
        return Write(CdImage(tracks, version));
    }

    CountingFiles files;
};

// Lengths of whole sectors (40 ms is three), so that they read back exactly; 99 of them fill less
// than an hour.
Lengths Album(int tracks) {
    Lengths lengths;
    for (int track = 0; track < tracks; ++track) {
        lengths.emplace_back(4'000 + (track * 7'919 % 60) * 1'000 + track % 25 * 40);
    }
    return lengths;
}

TEST_F(NeroImage, StandInImagesOfOneSeventeenAndNinetyNineTracksReadBackInOrderInBothVersionsFromTheirEndsAlone) {
    for (const auto version : {NeroImageVersion::One, NeroImageVersion::Two}) {
        for (const int count : {1, 17, 99}) {
            const NeroImageReading reading = WriteTracks(Album(count), version);
            EXPECT_EQ(reading.outcome, NeroImageOutcome::Read) << count;
            EXPECT_EQ(reading.trackLengths, Album(count)) << count;
        }
    }
    EXPECT_LT(files.bytesRead, 6 * 20'000u) << "footers and chains only";

    // Eighty minutes in one track cost its footer and chain, not its 846 MB.
    files.bytesRead = 0;
    EXPECT_EQ(WriteTracks({std::chrono::minutes(80)}).trackLengths, Lengths{std::chrono::minutes(80)});
    EXPECT_LT(files.bytesRead, 1'000u);

    // A part of a sector is filled up to a whole one; a track of unknown length is four seconds.
    EXPECT_EQ(WriteTracks({milliseconds(1'001)}).trackLengths, Lengths{milliseconds(1'013)});
    EXPECT_EQ(Write(CdImage({{"C:\\Music\\a.wma", std::nullopt}})).trackLengths, Lengths{milliseconds(4'000)});
}

TEST_F(NeroImage, EmptyNrgHoldsOneTrackOfFourSecondsAndTheStandInsImageNamesEachTracksSource) {
    EXPECT_EQ(WriteBytes(MakeEmptyAudioImage()).trackLengths, Lengths{milliseconds(4'000)});
    EXPECT_EQ(CdImageSources(files, Path), std::vector<std::string>{""}) << "Empty.nrg names no source";
    Write(MakeAudioImage({300, 300}, NeroImageVersion::Two, {"C:\\Music\\a.mp3"}));
    EXPECT_EQ(CdImageSources(files, Path), (std::vector<std::string>{"", ""})) << "names for some tracks only";

    Write(CdImage({{"C:\\Music\\b.mp3", milliseconds(9'000)}, {"C:\\Music\\a.mp3", milliseconds(5'000)}}));
    EXPECT_EQ(CdImageSources(files, Path), (std::vector<std::string>{"C:\\Music\\b.mp3", "C:\\Music\\a.mp3"}));
    EXPECT_EQ(ReadNeroImage(files, Path).trackLengths, (Lengths{milliseconds(9'000), milliseconds(5'000)}));
}

// Track-at-once: per track its offset, length in bytes, mode (7 is audio), start sector and a spare.
TEST_F(NeroImage, TrackAtOnceImagesReadInBothVersions) {
    const std::uint64_t a = 300 * 2352, b = 451 * 2352;
    const std::string two = BigEndian(0, 8) + BigEndian(a, 8) + BigEndian(7, 4) + BigEndian(0, 4) + BigEndian(0, 8) +
                            BigEndian(a, 8) + BigEndian(b, 8) + BigEndian(7, 4) + BigEndian(300, 4) + BigEndian(0, 8);
    const Lengths expected{milliseconds(4'000), milliseconds(6'013)};
    EXPECT_EQ(WriteChain(a + b, NrgChunk("ETN2", two) + NrgChunk("SINF", BigEndian(2, 4)), NeroImageVersion::Two).trackLengths,
              expected);
    const std::string one = BigEndian(0, 4) + BigEndian(a, 4) + BigEndian(7, 4) + BigEndian(0, 4) + BigEndian(0, 4) +
                            BigEndian(a, 4) + BigEndian(b, 4) + BigEndian(7, 4) + BigEndian(300, 4) + BigEndian(0, 4);
    EXPECT_EQ(WriteChain(a + b, NrgChunk("ETNF", one), NeroImageVersion::One).trackLengths, expected);

    const std::string daox = CdImage({{"C:\\Music\\a.mp3", milliseconds(4'000)}}).chunks.substr(40, 72);
    ASSERT_TRUE(daox.starts_with("DAOX"));
    EXPECT_EQ(WriteChain(a + b, daox + NrgChunk("ETN2", two), NeroImageVersion::Two).trackLengths,
              Lengths{milliseconds(4'000)})
        << "a disc-at-once layout counts before a track list";

    EXPECT_EQ(WriteChain(a, NrgChunk("ETN2", two), NeroImageVersion::Two).outcome, NeroImageOutcome::Unreadable)
        << "track 2 lies past the sector data";
    EXPECT_EQ(WriteChain(a + b, NrgChunk("ETN2", two.substr(0, 40)), NeroImageVersion::Two).outcome,
              NeroImageOutcome::Unreadable)
        << "a part of an entry";
}

// A track ending this many bytes before its start would, counted without sign, be whole sectors long.
constexpr std::uint64_t WrapsToSectors = (~std::uint64_t{0} % 2352 + 1) % 2352;

// Track-at-once entries of empty audio tracks, 32 bytes each.
std::string EmptyTracks(int count) {
    std::string entries;
    for (int track = 0; track < count; ++track) {
        entries += std::string(16, '\0') + BigEndian(7, 4) + std::string(12, '\0');
    }
    return entries;
}

TEST_F(NeroImage, NoFileIsToldFromAFileThatIsNoImageOfAudioTracksAndNothingElseFails) {
    EXPECT_EQ(WriteChain(0, NrgChunk("ETN2", EmptyTracks((1 << 15) - 1)), NeroImageVersion::Two).outcome,
              NeroImageOutcome::Read)
        << "a chain just within 1 MiB";
    EXPECT_EQ(ReadNeroImage(files, "C:\\Temp\\missing.nrg").outcome, NeroImageOutcome::NoFile);

    const AudioImage good = CdImage({{"C:\\Music\\a.mp3", milliseconds(8'000)}, {"C:\\Music\\b.mp3", milliseconds(4'000)}});
    const std::string& chunks = good.chunks;
    const std::size_t footer = chunks.size() - 12;
    const auto patched = [&](std::size_t at, const std::string& bytes) {
        std::string copy = chunks;
        copy.replace(at, bytes.size(), bytes);
        return AudioImage{good.silence, copy};
    };
    std::mt19937 random(21);
    std::string noise(4096, '\0');
    for (char& byte : noise) {
        byte = static_cast<char>(random());
    }
    const std::string daox = chunks.substr(chunks.find("DAOX"));
    const std::size_t track1 = chunks.find("DAOX") + 8 + 22;  // its first track's entry

    const std::vector<std::pair<std::string, NeroImageReading>> unreadable{
        {"an empty file", WriteBytes("")},
        {"a footer alone", WriteBytes("NER5" + BigEndian(0, 8))},
        {"a WAV file", WriteBytes(std::string("RIFF\x24\0\0\0WAVEfmt \x10\0\0\0", 20) + std::string(20, '\0'))},
        {"random bytes", WriteBytes(noise)},
        {"random bytes ending in a footer", WriteBytes(noise + "NER5" + BigEndian(4000, 8))},
        {"the footer's last byte cut off", Write({good.silence, chunks.substr(0, chunks.size() - 1)})},
        {"half the chain cut off", Write({good.silence, chunks.substr(chunks.size() / 2)})},
        {"a footer pointing past the file", Write(patched(footer + 4, BigEndian(1ull << 40, 8)))},
        {"a footer pointing at itself", Write(patched(footer + 4, BigEndian(good.silence + footer, 8)))},
        {"a chain larger than 1 MiB", WriteChain(0, NrgChunk("ETN2", EmptyTracks(1 << 15)), NeroImageVersion::Two)},
        {"a chunk running past the footer", Write(patched(4, BigEndian(chunks.size(), 4)))},
        {"a chunk size that wraps back to itself", Write(patched(4, BigEndian(0xFFFF'FFF8, 4)))},
        {"no END!", Write(patched(chunks.find("END!"), "NEXT"))},
        {"an END! running into the footer", Write(patched(chunks.find("END!") + 4, BigEndian(1, 4)))},
        {"no disc layout", Write(patched(chunks.find("DAOX"), "DAOY"))},
        {"a version 1 layout in a version 2 image", Write(patched(chunks.find("DAOX"), "DAOI"))},
        {"a track count the layout does not hold", Write(patched(chunks.find("DAOX") + 8 + 21, BigEndian(3, 1)))},
        {"a last track before the first", Write(patched(chunks.find("DAOX") + 8 + 20, BigEndian(3, 1)))},
        {"a data track", Write(patched(track1 + 14, BigEndian(0x00, 1)))},
        {"sectors of another size", Write(patched(track1 + 12, BigEndian(2448, 2)))},
        {"a track ending past the sector data", Write(patched(track1 + 34, BigEndian(good.silence + 2352, 8)))},
        {"a track ending before it starts", Write(patched(track1 + 34, BigEndian(150 * 2352 - WrapsToSectors, 8)))},
        {"a pregap after the track's start", Write(patched(track1 + 18, BigEndian(151 * 2352, 8)))},
        {"a part of a sector", Write(patched(track1 + 34, BigEndian(750 * 2352 - 1, 8)))},
        {"a layout shorter than its header", WriteChain(good.silence, NrgChunk("DAOX", daox.substr(8, 21)), NeroImageVersion::Two)},
        {"a track-at-once list of no tracks", WriteChain(good.silence, NrgChunk("ETN2", ""), NeroImageVersion::Two)},
    };
    for (const auto& [what, reading] : unreadable) {
        EXPECT_EQ(reading.outcome, NeroImageOutcome::Unreadable) << what;
        EXPECT_TRUE(reading.trackLengths.empty()) << what;
    }
    EXPECT_TRUE(CdImageSources(files, Path).empty()) << "no tracks for Simple Burner to record";
}

}  // namespace
}  // namespace velutreck
