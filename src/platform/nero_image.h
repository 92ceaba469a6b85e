// What a CD image in Nero's own format holds: its audio tracks in order and the length of each,
// as Nero's Image Recorder wrote them, whether disc-at-once or track-at-once, in either version of
// the format. Lets the job see whether Nero took every file it was given before anything is
// recorded. Only the footer and the chunks at the end of the file are read. A file that is not
// such an image, or one that is damaged or written by a Nero whose format this does not know, is
// told apart from a readable image; reading it never fails in any other way.
#pragma once

#include <chrono>
#include <string>
#include <vector>

#include "platform/file_system.h"

namespace velutreck {

enum class NeroImageOutcome {
    NoFile,      // there is no file at the path
    Unreadable,  // a file, but no Nero image of audio tracks that can be read
    Read,        // the tracks are known
};

struct NeroImageReading {
    NeroImageOutcome outcome = NeroImageOutcome::NoFile;
    std::vector<std::chrono::milliseconds> trackLengths;  // in track order; at least one when Read
};

NeroImageReading ReadNeroImage(const FileSystem& files, const std::string& path);

}  // namespace velutreck
