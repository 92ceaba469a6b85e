// Audio CD images in Nero's own format, written disc-at-once as Nero's Image Recorder writes an
// audio compilation: the sector data (silence here), then the chunks that describe the disc, then
// the footer. Track 1 is preceded by the two-second pregap every CD has; the other tracks follow
// each other without a pause.
//
// Empty.nrg, the image delivered beside Velutreck.exe, is one of them: ImageDrive loads it in place
// of the temporary image so that the temporary file is let go and can be deleted. It holds one
// short silent track in version 2 of the format, so ImageDrive takes it as an ordinary audio CD.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/nero_image_chunks.h"

namespace velutreck {

inline constexpr std::uint64_t CdSectorsPerSecond = 75;

// An image as it lies in the file: a run of zero bytes, then the rest, which starts with the chunks.
struct AudioImage {
    std::uint64_t silence = 0;  // bytes of sector data, all zero
    std::string chunks;         // the chunk chain and the footer
};

// One track per entry, of that many sectors. The source files' names, when given (one per track),
// go in the chunk Nero keeps them in ("AFNM"), which readers of the tracks pass over.
AudioImage MakeAudioImage(const std::vector<std::uint64_t>& trackSectors, NeroImageVersion version,
                          const std::vector<std::string>& sourceNames = {});

// Empty.nrg, byte for byte.
std::string MakeEmptyAudioImage();

}  // namespace velutreck
