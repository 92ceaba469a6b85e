// How long the stand-ins take over their work, in virtual milliseconds. The defaults are close to
// the real programs on a machine of the time; tests may shorten or lengthen them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace velutreck {

struct StandInOptions {
    std::uint32_t imageDriveMountMs = 1000;
    // The root of ImageDrive's virtual CD-ROM drive, where the mounted image's tracks show.
    std::string imageDriveRoot = "E:\\";
    // Harsh: the tracks show that long after the image is mounted.
    std::uint32_t imageDrivePresentMs = 0;
    // Harsh: every image but the empty one is ignored (refused, the drive busy, an antivirus
    // holding the file), and the drive keeps what it had.
    bool imageDriveIgnoresLoads = false;
    std::uint32_t neroLoadMs = 3000;
    std::uint32_t neroWriteMs = 2000;           // plus neroWritePerFileMs for each file
    std::uint32_t neroWritePerFileMs = 3000;
    // Harsh: files Nero cannot decode (copy protection, damage): it leaves them out of the image,
    // says so in a box of its own, and still reports the image written.
    std::vector<std::string> neroUndecodable{};
    std::uint32_t burnerReadDiscMs = 8000;      // plus burnerReadPerTrackMs for each track on the disc
    std::uint32_t burnerReadPerTrackMs = 250;
    std::uint32_t burnerRecordMs = 5000;        // plus burnerRecordPerTrackMs for each track of the CD
    std::uint32_t burnerRecordPerTrackMs = 4000;
    // On a busy machine a prompt opens a little after the key that asks for it; until then the
    // keys go to the window below.
    std::uint32_t promptDelayMs = 0;
};

}  // namespace velutreck
