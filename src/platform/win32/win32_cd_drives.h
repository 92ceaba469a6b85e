// The CD-ROM drives on real Windows: GetLogicalDriveStrings and GetDriveType, and each drive's
// "TrackNN.cda" files. A drive that spins its disc up blocks the calls that touch it for seconds,
// so every read runs on a thread of its own while the window's thread waits answering.
#pragma once

#include "platform/cd_drives.h"

namespace velutreck {

class Win32CdDrives : public CdDrives {
public:
    std::vector<CdDrive> Read(std::chrono::milliseconds limit) override;
};

}  // namespace velutreck
