// Nero Burning ROM's stand-in as a Windows program, for the tests under Wine. The shell starts it
// for an audio project (.nra) with the project's path, in quotes, as its argument.
#include "rehearsal/standins/nero_stand_in.h"
#include "rehearsal/hosts/program_arguments.h"
#include "rehearsal/hosts/stand_in_speed.h"
#include "rehearsal/hosts/windows_stand_in_host.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    using namespace velutreck;
    StandInState state;
    WindowsStandInHost host(state, "Nero");
    NeroStandIn standIn(StandInOptionsFromEnvironment());
    return host.Run(standIn, Unquoted(CommandLineArguments()));
}
