#include "stand_in_speed.h"

#include <charconv>
#include <cmath>
#include <cstdint>

#include "program_arguments.h"

namespace velutreck {

namespace {

std::uint32_t Scaled(std::uint32_t milliseconds, double speed) {
    return static_cast<std::uint32_t>(std::lround(milliseconds / speed));
}

}  // namespace

double StandInSpeed(const std::optional<std::string>& text) {
    if (!text) {
        return 1;
    }
    double speed = 0;
    const char* end = text->data() + text->size();
    const auto [stop, error] = std::from_chars(text->data(), end, speed);
    const bool usable = error == std::errc() && stop == end && std::isfinite(speed) && speed > 0;
    return usable ? speed : 1;
}

StandInOptions ScaledOptions(const StandInOptions& options, double speed) {
    StandInOptions scaled = options;
    for (std::uint32_t StandInOptions::*delay :
         {&StandInOptions::imageDriveMountMs, &StandInOptions::imageDrivePresentMs, &StandInOptions::neroLoadMs,
          &StandInOptions::neroWriteMs, &StandInOptions::neroWritePerFileMs, &StandInOptions::burnerReadDiscMs,
          &StandInOptions::burnerReadPerTrackMs, &StandInOptions::burnerRecordMs,
          &StandInOptions::burnerRecordPerTrackMs, &StandInOptions::promptDelayMs}) {
        scaled.*delay = Scaled(options.*delay, speed);
    }
    return scaled;
}

StandInOptions StandInOptionsFromEnvironment() {
    StandInOptions options;
    options.imageDriveIgnoresLoads = EnvironmentValue(ImageDriveIgnoresLoadsVariable).value_or("") == "1";
    return ScaledOptions(options, StandInSpeed(EnvironmentValue(StandInSpeedVariable)));
}

}  // namespace velutreck
