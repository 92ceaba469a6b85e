#include "delivery/nrg_image.h"

#include <cstdint>
#include <string_view>

namespace velutreck {

namespace {

// Sector data starts at the very beginning of the disc (MSF 00:00:00), so the two-second pregap
// of track 1 is stored in the file ahead of the track itself.
constexpr std::uint64_t SectorSize = 2352;  // a raw audio sector
constexpr std::uint64_t PregapSectors = 150;
constexpr std::uint64_t TrackSectors = 300;  // four seconds, the shortest track an audio CD allows
constexpr std::uint64_t PregapOffset = 0;
constexpr std::uint64_t TrackOffset = PregapOffset + PregapSectors * SectorSize;
constexpr std::uint64_t TrackEndOffset = TrackOffset + TrackSectors * SectorSize;
constexpr std::uint64_t FirstChunkOffset = TrackEndOffset;

// Cue sheet: track and index numbers are BCD; positions are sector addresses counted from the
// start of track 1, so the disc starts at -150.
constexpr std::uint8_t AudioAdrControl = 0x01;  // position entry of an audio track, no copy permission
constexpr std::uint8_t LeadInTrack = 0x00;
constexpr std::uint8_t FirstTrack = 0x01;
constexpr std::uint8_t LeadOutTrack = 0xAA;
constexpr std::uint8_t PregapIndex = 0x00;
constexpr std::uint8_t TrackStartIndex = 0x01;
constexpr std::int32_t DiscStartAddress = -static_cast<std::int32_t>(PregapSectors);
constexpr std::int32_t TrackStartAddress = 0;
constexpr std::int32_t LeadOutAddress = static_cast<std::int32_t>(TrackSectors);

// Disc-at-once layout: a 22-byte header, then one 42-byte entry per track.
constexpr std::uint32_t DiscLayoutSize = 22 + 42;
constexpr std::size_t CatalogNumberLength = 13;  // no UPC/EAN: zeros
constexpr std::size_t IsrcLength = 12;           // no ISRC: zeros
constexpr std::uint8_t AudioDiscType = 0x00;
constexpr std::uint8_t AudioMode = 0x07;  // audio, 2352-byte sectors
// Fixed bytes that Nero's own audio images carry and that readers skip.
constexpr std::uint8_t LayoutHeaderFlag = 0x01;
constexpr std::uint32_t TrackEntryFlag = 0x000001;

constexpr std::uint32_t TracksInSession = 1;
constexpr std::uint32_t MediaTypeCd = 1;

// Every number in the file is big-endian, except the repeated size at the head of the disc layout.
void PutBigEndian(std::string& out, std::uint64_t value, int bytes) {
    for (int shift = (bytes - 1) * 8; shift >= 0; shift -= 8) {
        out.push_back(static_cast<char>((value >> shift) & 0xFF));
    }
}

void PutLittleEndian32(std::string& out, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) {
        out.push_back(static_cast<char>((value >> shift) & 0xFF));
    }
}

void PutZeros(std::string& out, std::size_t count) { out.append(count, '\0'); }

void PutCueEntry(std::string& out, std::uint8_t track, std::uint8_t index, std::int32_t address) {
    PutBigEndian(out, AudioAdrControl, 1);
    PutBigEndian(out, track, 1);
    PutBigEndian(out, index, 1);
    PutZeros(out, 1);
    PutBigEndian(out, static_cast<std::uint32_t>(address), 4);
}

std::string CueSheet() {
    std::string cue;
    PutCueEntry(cue, LeadInTrack, PregapIndex, DiscStartAddress);
    PutCueEntry(cue, FirstTrack, PregapIndex, DiscStartAddress);
    PutCueEntry(cue, FirstTrack, TrackStartIndex, TrackStartAddress);
    PutCueEntry(cue, LeadOutTrack, TrackStartIndex, LeadOutAddress);
    return cue;
}

std::string DiscLayout() {
    std::string layout;
    PutLittleEndian32(layout, DiscLayoutSize);
    PutZeros(layout, CatalogNumberLength + 1);
    PutBigEndian(layout, AudioDiscType, 1);
    PutBigEndian(layout, LayoutHeaderFlag, 1);
    PutBigEndian(layout, FirstTrack, 1);  // first and last track, plain binary here
    PutBigEndian(layout, FirstTrack, 1);

    PutZeros(layout, IsrcLength);
    PutBigEndian(layout, SectorSize, 2);
    PutBigEndian(layout, AudioMode, 1);
    PutBigEndian(layout, TrackEntryFlag, 3);
    PutBigEndian(layout, PregapOffset, 8);
    PutBigEndian(layout, TrackOffset, 8);
    PutBigEndian(layout, TrackEndOffset, 8);
    return layout;
}

std::string Number32(std::uint32_t value) {
    std::string payload;
    PutBigEndian(payload, value, 4);
    return payload;
}

void PutChunk(std::string& image, std::string_view id, const std::string& payload) {
    image.append(id);
    PutBigEndian(image, payload.size(), 4);
    image.append(payload);
}

}  // namespace

std::string MakeEmptyAudioImage() {
    std::string image(FirstChunkOffset, '\0');  // pregap and track: silence
    PutChunk(image, "CUEX", CueSheet());
    PutChunk(image, "DAOX", DiscLayout());
    PutChunk(image, "SINF", Number32(TracksInSession));
    PutChunk(image, "MTYP", Number32(MediaTypeCd));
    PutChunk(image, "END!", {});
    image.append("NER5");
    PutBigEndian(image, FirstChunkOffset, 8);
    return image;
}

}  // namespace velutreck
