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
    return StandInOptions{
        .imageDriveMountMs = Scaled(options.imageDriveMountMs, speed),
        .neroLoadMs = Scaled(options.neroLoadMs, speed),
        .neroWriteMs = Scaled(options.neroWriteMs, speed),
        .neroWritePerFileMs = Scaled(options.neroWritePerFileMs, speed),
        .burnerReadDiscMs = Scaled(options.burnerReadDiscMs, speed),
        .burnerReadPerTrackMs = Scaled(options.burnerReadPerTrackMs, speed),
        .burnerRecordMs = Scaled(options.burnerRecordMs, speed),
        .burnerRecordPerTrackMs = Scaled(options.burnerRecordPerTrackMs, speed),
        .promptDelayMs = Scaled(options.promptDelayMs, speed),
    };
}

StandInOptions StandInOptionsFromEnvironment() {
    return ScaledOptions(StandInOptions{}, StandInSpeed(EnvironmentValue(StandInSpeedVariable)));
}

}  // namespace velutreck
