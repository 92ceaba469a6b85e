#include "rehearsal/desktop/sim_cd_drives.h"

#include <algorithm>

#include "platform/cd_track_file.h"

namespace velutreck {

std::vector<CdDrive> SimCdDrives::Read(std::chrono::milliseconds limit) {
    ++reads_;
    desktop_.Note("CdDrives.Read(" + std::to_string(limit.count()) + ")");
    std::vector<CdDrive> drives;
    const std::int64_t startMs = desktop_.Clock().Now();
    for (const SimDesktop::CdRom& drive : desktop_.CdRoms()) {
        const std::int64_t spent = desktop_.Clock().Now() - startMs;
        const std::int64_t left = limit.count() - spent;
        if (drive.spinUpMs > left) {
            desktop_.Clock().AdvanceBy(static_cast<std::uint32_t>(std::max<std::int64_t>(left, 0)));
            continue;
        }
        desktop_.Clock().AdvanceBy(drive.spinUpMs);
        drives.push_back(CdDrive{drive.letter, CdTracksIn(desktop_.Files(), drive.letter + "\\")});
    }
    return drives;
}

}  // namespace velutreck
