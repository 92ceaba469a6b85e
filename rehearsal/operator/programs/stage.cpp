// Sets the stage for a job that the operator runs through Velutreck.exe (scripts/demo and
// scripts/bench-job), and reads the MiniDisc afterwards:
//   stage install                     the stand-ins of Nero, ImageDrive and Simple Burner at their
//                                     default paths, and Nero's ".nra" association
//   stage tones <folder> <name>...    a short tone as a WAV file for each name
//   stage empty <path>                an empty file, such as the empty audio project
//   stage settings <key>=<value>...   Velutreck's stored settings: these and no others
//   stage disc                        prints the MiniDisc the stand-ins hold
//   stage end                         ends the stand-ins still running
// The stand-ins' state folder and speed come from VELUTRECK_STANDIN_STATE and
// VELUTRECK_STANDIN_SPEED. The exit code is 0 on success, 1 on failure, 2 for bad usage.
#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

#include "rehearsal/operator/install_stand_ins.h"
#include "rehearsal/operator/command_line_words.h"
#include "rehearsal/operator/sample_files.h"
#include "rehearsal/operator/velutreck_process.h"

namespace {

using namespace velutreck;

struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

void WriteTones(const std::string& folder, const std::vector<std::string>& names) {
    double hertz = 440.0;
    for (const std::string& name : names) {
        operating::WriteBytes(folder + "\\" + name, operating::ToneWave(500, hertz));
        hertz *= 1.25;
    }
}

void StoreSettings(const std::vector<std::string>& pairs) {
    windowtest::DeleteStoredSettings();
    for (const std::string& pair : pairs) {
        const std::size_t equals = pair.find('=');
        if (equals == std::string::npos) {
            throw UsageError("A setting is written key=value, not " + pair + ".");
        }
        windowtest::StoreSetting(pair.substr(0, equals), pair.substr(equals + 1));
    }
}

void Perform(const std::vector<std::string>& arguments) {
    const std::string action = arguments.empty() ? "" : arguments[0];
    const std::size_t count = arguments.size();
    if (action == "install" && count == 1) {
        standintest::InstallStandIns();
    } else if (action == "tones" && count >= 3) {
        WriteTones(arguments[1], std::vector<std::string>(arguments.begin() + 2, arguments.end()));
    } else if (action == "empty" && count == 2) {
        operating::WriteBytes(arguments[1], "");
    } else if (action == "settings") {
        StoreSettings(std::vector<std::string>(arguments.begin() + 1, arguments.end()));
    } else if (action == "disc" && count == 1) {
        std::printf("%s", operating::DiscReport(StandInState().ReadDisc()).c_str());
    } else if (action == "end" && count == 1) {
        standintest::EndStandIns();
    } else {
        throw UsageError("Unknown action or wrong arguments: " + action + ".");
    }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    try {
        Perform(operating::CommandLineWords());
        return 0;
    } catch (const UsageError& error) {
        std::fprintf(stderr, "stage: %s\n", error.what());
        return 2;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "stage: %s\n", error.what());
        return 1;
    }
}
