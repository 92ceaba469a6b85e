// Sony NetMD Simple Burner's stand-in as a Windows program, for the tests under Wine: its
// windows are real, its MiniDisc lives in the shared stand-in state.
#include "rehearsal/standins/simple_burner_stand_in.h"
#include "rehearsal/hosts/program_arguments.h"
#include "rehearsal/hosts/stand_in_speed.h"
#include "rehearsal/hosts/windows_stand_in_host.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    using namespace velutreck;
    StandInState state;
    WindowsStandInHost host(state, "Simple Burner");
    SimpleBurnerStandIn standIn(StandInOptionsFromEnvironment());
    return host.Run(standIn, CommandLineArguments());
}
