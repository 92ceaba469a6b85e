#include "engine/refused_program.h"

#include <array>
#include <utility>

namespace velutreck {

namespace {

std::string ProgramOf(const std::string& operation) {
    static const std::array<std::pair<const char*, const char*>, 3> programs = {{
        {"Nero", "Nero"},
        {"SimpleBurner", "Simple Burner"},
        {"ImageDrive", "ImageDrive"},
    }};
    for (const auto& [prefix, name] : programs) {
        if (operation.starts_with(prefix)) {
            return name;
        }
    }
    return "A program";
}

}  // namespace

bool IsRefusedProgram(const Failure& failure) {
    return failure.Kind() == FailureKind::ElevatedProgram || failure.Kind() == FailureKind::ElevationRequired;
}

std::string RefusedProgramMessage(const std::string& operation, const Failure& failure) {
    const std::string program = ProgramOf(operation);
    const std::string what = failure.Kind() == FailureKind::ElevationRequired
                                 ? " is set to run as administrator, so Windows does not let Velutreck start it."
                                 : " runs as administrator, so Windows does not let Velutreck type into it.";
    return "Error: " + program + what + " Run both as administrator, or neither.";
}

}  // namespace velutreck
