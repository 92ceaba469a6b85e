// The computer's CD drives as Windows shows them to a user: every drive of type CD-ROM, virtual ones
// (ImageDrive's) included, with the audio tracks its disc shows. Windows shows an audio CD's tracks
// as "TrackNN.cda" files, so no table of contents needs to be asked of the drive.
#pragma once

#include <chrono>
#include <string>
#include <vector>

namespace velutreck {

struct CdDrive {
    std::string letter;                             // "E:"
    std::vector<std::chrono::milliseconds> tracks;  // in track order; none without an audio CD
};

class CdDrives {
public:
    CdDrives() = default;
    CdDrives(const CdDrives&) = delete;
    CdDrives& operator=(const CdDrives&) = delete;
    virtual ~CdDrives() = default;

    // The CD-ROM drives in the order of their letters. A drive that spins its disc up can take
    // seconds to answer: Velutreck's window keeps answering meanwhile, and a drive that has not
    // answered within the limit is left out.
    virtual std::vector<CdDrive> Read(std::chrono::milliseconds limit) = 0;
};

}  // namespace velutreck
