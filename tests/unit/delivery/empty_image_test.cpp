// Reads Empty.nrg back the way an image reader does, from the footer to the chunks, and checks
// that every part of it agrees with the others. The reader knows the format on its own and shares
// nothing with the writer, so a slip in the writer shows up as a disagreement here.
#include "delivery/nrg_image.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace velutreck {
namespace {

std::uint64_t BigEndian(std::string_view bytes, std::uint64_t offset, int width) {
    if (offset + width > bytes.size()) {
        throw std::out_of_range("read past the end at " + std::to_string(offset));
    }
    std::uint64_t value = 0;
    for (int i = 0; i < width; ++i) {
        value = value << 8 | static_cast<unsigned char>(bytes[offset + i]);
    }
    return value;
}

struct Chunk {
    std::string id;
    std::string_view payload;
};

struct Image {
    std::string_view bytes;
    std::uint64_t firstChunk = 0;
    std::uint64_t chainEnd = 0;
    std::vector<Chunk> chunks;

    std::string_view Payload(std::string_view id) const {
        const auto found = std::ranges::find(chunks, id, &Chunk::id);
        if (found == chunks.end()) {
            throw std::runtime_error("no " + std::string(id) + " chunk");
        }
        return found->payload;
    }
};

// A version 2 image ends in "NER5" and the 64-bit offset of the first chunk; each chunk is an id,
// a 32-bit payload size and the payload, up to and including "END!".
Image Read(std::string_view bytes) {
    if (bytes.size() < 12 || bytes.substr(bytes.size() - 12, 4) != "NER5") {
        throw std::runtime_error("no NER5 footer");
    }
    const std::uint64_t footer = bytes.size() - 12;
    Image image{bytes, BigEndian(bytes, footer + 4, 8), 0, {}};
    std::uint64_t offset = image.firstChunk;
    while (image.chunks.empty() || image.chunks.back().id != "END!") {
        const std::uint64_t size = BigEndian(bytes, offset + 4, 4);
        if (offset + 8 + size > footer) {
            throw std::runtime_error("chunk at " + std::to_string(offset) + " runs into the footer");
        }
        image.chunks.push_back({std::string(bytes.substr(offset, 4)), bytes.substr(offset + 8, size)});
        offset += 8 + size;
    }
    image.chainEnd = offset;
    return image;
}

struct CueEntry {
    int adrControl, track, index;
    std::int32_t address;
};

std::vector<CueEntry> CueEntries(std::string_view cue) {
    std::vector<CueEntry> entries;
    for (std::uint64_t at = 0; at + 8 <= cue.size(); at += 8) {
        entries.push_back({static_cast<int>(BigEndian(cue, at, 1)), static_cast<int>(BigEndian(cue, at + 1, 1)),
                           static_cast<int>(BigEndian(cue, at + 2, 1)),
                           static_cast<std::int32_t>(static_cast<std::uint32_t>(BigEndian(cue, at + 4, 4)))});
    }
    return entries;
}

const std::string& EmptyImage() {
    static const std::string bytes = MakeEmptyAudioImage();
    return bytes;
}

TEST(EmptyImage, IsAVersion2ImageOfOneSilentTrackOnACdWhoseChunksRunFromTheFooterOffsetToTheEndMarker) {
    const Image image = Read(EmptyImage());
    EXPECT_EQ(EmptyImage().size(), 1'058'556u);
    std::vector<std::string> ids;
    for (const Chunk& chunk : image.chunks) {
        ids.push_back(chunk.id);
    }
    EXPECT_EQ(ids, (std::vector<std::string>{"CUEX", "DAOX", "SINF", "MTYP", "END!"}));
    EXPECT_TRUE(image.Payload("END!").empty());
    EXPECT_EQ(image.chainEnd, EmptyImage().size() - 12) << "bytes between END! and the footer";
    ASSERT_EQ(image.Payload("SINF").size(), 4u);
    EXPECT_EQ(BigEndian(image.Payload("SINF"), 0, 4), 1u) << "one track in the session";
    ASSERT_EQ(image.Payload("MTYP").size(), 4u);
    EXPECT_EQ(BigEndian(image.Payload("MTYP"), 0, 4), 1u) << "CD";

    const std::string_view sectors = image.bytes.substr(0, image.firstChunk);
    EXPECT_EQ(sectors.size(), 450u * 2352);
    EXPECT_EQ(std::ranges::count(sectors, '\0'), static_cast<std::ptrdiff_t>(sectors.size())) << "silence";
}

TEST(EmptyImage, CueSheetHoldsLeadInOneAudioTrackWithATwoSecondPregapAndLeadOut) {
    const std::string_view cue = Read(EmptyImage()).Payload("CUEX");
    ASSERT_EQ(cue.size() % 8, 0u);
    const std::vector<CueEntry> entries = CueEntries(cue);
    ASSERT_EQ(entries.size(), 4u);
    for (const CueEntry& entry : entries) {
        EXPECT_EQ(entry.adrControl, 0x01) << "audio track, position entry";
    }
    EXPECT_EQ((std::vector<int>{entries[0].track, entries[0].index}), (std::vector<int>{0x00, 0}));
    EXPECT_EQ(entries[0].address, -150) << "lead-in at 00:00:00";
    EXPECT_EQ((std::vector<int>{entries[1].track, entries[1].index}), (std::vector<int>{0x01, 0}));
    EXPECT_EQ((std::vector<int>{entries[2].track, entries[2].index}), (std::vector<int>{0x01, 1}));
    EXPECT_EQ(entries[2].address - entries[1].address, 150);
    EXPECT_EQ(entries[2].address, 0);
    EXPECT_EQ(entries[3].track, 0xAA);
}

TEST(EmptyImage, DiscLayoutOffsetsAgreeWithTheCueSheetAndTheFooter) {
    const Image image = Read(EmptyImage());
    const std::string_view dao = image.Payload("DAOX");
    ASSERT_GE(dao.size(), 22u);
    EXPECT_EQ(BigEndian(dao, 18, 1), 0x00u) << "audio disc";
    const std::uint64_t firstTrack = BigEndian(dao, 20, 1);
    const std::uint64_t lastTrack = BigEndian(dao, 21, 1);
    ASSERT_EQ(firstTrack, 1u);
    ASSERT_EQ(lastTrack, 1u);
    ASSERT_EQ(dao.size(), 22 + 42 * (lastTrack - firstTrack + 1));

    const std::string_view track = dao.substr(22);
    EXPECT_EQ(BigEndian(track, 12, 2), 2352u);
    EXPECT_EQ(BigEndian(track, 14, 1), 0x07u) << "audio mode";
    const std::uint64_t index0 = BigEndian(track, 18, 8);
    const std::uint64_t index1 = BigEndian(track, 26, 8);
    const std::uint64_t end = BigEndian(track, 34, 8);
    EXPECT_EQ(index0, 0u);
    EXPECT_EQ(index1 - index0, 150u * 2352);
    EXPECT_EQ((end - index1) % 2352, 0u);
    EXPECT_EQ((end - index1) / 2352, 300u);
    EXPECT_EQ(end, image.firstChunk) << "the chunks follow the last sector directly";

    const std::vector<CueEntry> cue = CueEntries(image.Payload("CUEX"));
    ASSERT_FALSE(cue.empty());
    EXPECT_EQ(static_cast<std::uint64_t>(cue.back().address), (end - index1) / 2352) << "lead-out";
}

}  // namespace
}  // namespace velutreck
