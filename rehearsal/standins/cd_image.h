// The CD image Nero's stand-in writes and Simple Burner's stand-in records from: an image in
// Nero's own format with one audio track per file of the compilation, in its order, each as long
// as the file plays. The files' paths go in the image's chunk of source file names, so that the
// recording can tell which file each track came from.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "delivery/nrg_image.h"
#include "platform/file_system.h"

namespace velutreck {

struct CdImageTrack {
    std::string source;
    std::optional<std::chrono::milliseconds> playingTime;  // none: the shortest track a CD allows
};

AudioImage CdImage(const std::vector<CdImageTrack>& tracks, NeroImageVersion version = NeroImageVersion::Two);

// The source of each track of the image at the path, in track order: "" for each when the image
// does not name them all (Empty.nrg); none at all when the file is no image whose tracks can be read.
std::vector<std::string> CdImageSources(const FileSystem& files, const std::string& path);

}  // namespace velutreck
