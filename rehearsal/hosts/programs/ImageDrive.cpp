// Nero ImageDrive's stand-in as a Windows program, for the tests under Wine: "ImageDrive.exe
// <image>" mounts the image. The first start stays resident and keeps the virtual drive; later
// starts hand their image to it and end.
#include <optional>

#include "rehearsal/standins/image_drive_stand_in.h"
#include "rehearsal/hosts/program_arguments.h"
#include "rehearsal/hosts/stand_in_speed.h"
#include "rehearsal/hosts/virtual_drive_keeper.h"
#include "rehearsal/hosts/windows_stand_in_host.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    using namespace velutreck;
    StandInState state;
    std::optional<VirtualDriveKeeper> keeper;
    if (FindResidentDrive() == nullptr) {
        keeper.emplace(state);
    }
    WindowsStandInHost host(state, "ImageDrive", keeper ? Residency::Resident : Residency::EndsWithStandIn);
    ImageDriveStandIn standIn(StandInOptionsFromEnvironment());
    return host.Run(standIn, CommandLineArguments());
}
