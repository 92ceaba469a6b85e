// The CD-ROM drives of the simulated desktop, read as Windows shows them: the tracks of each
// drive's disc come from the "TrackNN.cda" files in its root. A drive that spins up takes that
// long of virtual time at every read.
#pragma once

#include "platform/cd_drives.h"
#include "rehearsal/desktop/sim_desktop.h"

namespace velutreck {

class SimCdDrives : public CdDrives {
public:
    explicit SimCdDrives(SimDesktop& desktop) : desktop_(desktop) {}

    std::vector<CdDrive> Read(std::chrono::milliseconds limit) override;
    int Reads() const { return reads_; }

private:
    SimDesktop& desktop_;
    int reads_ = 0;
};

}  // namespace velutreck
