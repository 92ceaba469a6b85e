#include "delivery/nrg_image.h"

#include <string_view>

namespace velutreck {

namespace {

// Sector data starts at the very beginning of the disc (MSF 00:00:00), so the two-second pregap
// of track 1 is stored in the file ahead of the track itself.
constexpr std::uint64_t SectorSize = 2352;  // a raw audio sector
constexpr std::uint64_t PregapSectors = 150;
constexpr std::uint64_t EmptyTrackSectors = 300;  // four seconds, the shortest track an audio CD allows

// Cue sheet: track and index numbers are BCD; positions are sector addresses counted from the
// start of track 1, so the disc starts at -150.
constexpr std::uint8_t AudioAdrControl = 0x01;  // position entry of an audio track, no copy permission
constexpr std::uint8_t LeadInTrack = 0x00;
constexpr std::uint8_t LeadOutTrack = 0xAA;
constexpr std::uint8_t PregapIndex = 0x00;
constexpr std::uint8_t TrackStartIndex = 0x01;
constexpr std::int64_t DiscStartAddress = -static_cast<std::int64_t>(PregapSectors);

// Disc-at-once layout: a 22-byte header, then one entry per track.
constexpr std::size_t DiscLayoutHeaderSize = 22;
constexpr std::size_t CatalogNumberLength = 13;  // no UPC/EAN: zeros
constexpr std::size_t IsrcLength = 12;           // no ISRC: zeros
constexpr std::uint8_t AudioDiscType = 0x00;
constexpr std::uint8_t AudioMode = 0x07;  // audio, 2352-byte sectors
// Fixed bytes that Nero's own audio images carry and that readers skip.
constexpr std::uint8_t LayoutHeaderFlag = 0x01;
constexpr std::uint32_t TrackEntryFlag = 0x000001;

constexpr std::uint32_t MediaTypeCd = 1;

struct Names {
    const char* cueSheet;
    const char* discLayout;
    const char* footer;
    int offsetWidth;  // of the file offsets in the disc layout and the footer
};

constexpr Names NamesOne{"CUES", "DAOI", "NERO", 4};
constexpr Names NamesTwo{"CUEX", "DAOX", "NER5", 8};

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

std::uint8_t Bcd(std::uint64_t value) { return static_cast<std::uint8_t>(value / 10 * 16 + value % 10); }

// Version 2 gives the address as a signed 32-bit number; version 1 as minutes, seconds and frames
// in BCD, counted from the start of the disc.
void PutCueEntry(std::string& out, NeroImageVersion version, std::uint8_t track, std::uint8_t index,
                 std::int64_t address) {
    PutBigEndian(out, AudioAdrControl, 1);
    PutBigEndian(out, track, 1);
    PutBigEndian(out, index, 1);
    PutZeros(out, 1);
    if (version == NeroImageVersion::Two) {
        PutBigEndian(out, static_cast<std::uint32_t>(address), 4);
        return;
    }
    const auto frames = static_cast<std::uint64_t>(address - DiscStartAddress);
    PutZeros(out, 1);
    PutBigEndian(out, Bcd(frames / CdSectorsPerSecond / 60), 1);
    PutBigEndian(out, Bcd(frames / CdSectorsPerSecond % 60), 1);
    PutBigEndian(out, Bcd(frames % CdSectorsPerSecond), 1);
}

std::string CueSheet(const std::vector<std::uint64_t>& trackSectors, NeroImageVersion version) {
    std::string cue;
    PutCueEntry(cue, version, LeadInTrack, PregapIndex, DiscStartAddress);
    std::int64_t start = 0;
    for (std::size_t track = 0; track < trackSectors.size(); ++track) {
        const std::uint8_t number = Bcd(track + 1);
        PutCueEntry(cue, version, number, PregapIndex, track == 0 ? DiscStartAddress : start);
        PutCueEntry(cue, version, number, TrackStartIndex, start);
        start += static_cast<std::int64_t>(trackSectors[track]);
    }
    PutCueEntry(cue, version, LeadOutTrack, TrackStartIndex, start);
    return cue;
}

std::string DiscLayout(const std::vector<std::uint64_t>& trackSectors, const Names& names) {
    const std::size_t entrySize = 18 + 3 * static_cast<std::size_t>(names.offsetWidth);
    std::string layout;
    PutLittleEndian32(layout, static_cast<std::uint32_t>(DiscLayoutHeaderSize + entrySize * trackSectors.size()));
    PutZeros(layout, CatalogNumberLength + 1);
    PutBigEndian(layout, AudioDiscType, 1);
    PutBigEndian(layout, LayoutHeaderFlag, 1);
    PutBigEndian(layout, 1, 1);  // first and last track, plain binary here
    PutBigEndian(layout, trackSectors.size(), 1);

    std::uint64_t pregap = 0;
    std::uint64_t start = PregapSectors * SectorSize;
    for (const std::uint64_t sectors : trackSectors) {
        const std::uint64_t end = start + sectors * SectorSize;
        PutZeros(layout, IsrcLength);
        PutBigEndian(layout, SectorSize, 2);
        PutBigEndian(layout, AudioMode, 1);
        PutBigEndian(layout, TrackEntryFlag, 3);
        PutBigEndian(layout, pregap, names.offsetWidth);
        PutBigEndian(layout, start, names.offsetWidth);
        PutBigEndian(layout, end, names.offsetWidth);
        pregap = start = end;
    }
    return layout;
}

std::string SourceNames(const std::vector<std::string>& names) {
    std::string payload;
    for (const std::string& name : names) {
        payload += name;
        payload += '\0';
    }
    return payload;
}

std::string Number32(std::uint64_t value) {
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

AudioImage MakeAudioImage(const std::vector<std::uint64_t>& trackSectors, NeroImageVersion version,
                          const std::vector<std::string>& sourceNames) {
    const Names& names = version == NeroImageVersion::One ? NamesOne : NamesTwo;
    AudioImage image{.silence = PregapSectors * SectorSize, .chunks = {}};
    for (const std::uint64_t sectors : trackSectors) {
        image.silence += sectors * SectorSize;
    }
    PutChunk(image.chunks, names.cueSheet, CueSheet(trackSectors, version));
    PutChunk(image.chunks, names.discLayout, DiscLayout(trackSectors, names));
    if (!sourceNames.empty()) {
        PutChunk(image.chunks, "AFNM", SourceNames(sourceNames));
    }
    PutChunk(image.chunks, "SINF", Number32(trackSectors.size()));
    PutChunk(image.chunks, "MTYP", Number32(MediaTypeCd));
    PutChunk(image.chunks, "END!", {});
    image.chunks.append(names.footer);
    PutBigEndian(image.chunks, image.silence, names.offsetWidth);
    return image;
}

std::string MakeEmptyAudioImage() {
    const AudioImage image = MakeAudioImage({EmptyTrackSectors}, NeroImageVersion::Two);
    return std::string(image.silence, '\0') + image.chunks;
}

}  // namespace velutreck
