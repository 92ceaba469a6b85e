// The stand-ins' timings as a hosted program uses them: the defaults, made shorter by a speed
// factor that tests give through the environment (VELUTRECK_STANDIN_SPEED=10 makes every delay
// ten times shorter), so that a whole story runs quickly under Wine.
#pragma once

#include <optional>
#include <string>

#include "rehearsal/standins/stand_in_options.h"

namespace velutreck {

inline constexpr char StandInSpeedVariable[] = "VELUTRECK_STANDIN_SPEED";
// "1": ImageDrive ignores every image but the empty one.
inline constexpr char ImageDriveIgnoresLoadsVariable[] = "VELUTRECK_IMAGEDRIVE_IGNORES_LOADS";

// The factor the text gives: a positive number, else 1 (missing, empty, or not a number).
double StandInSpeed(const std::optional<std::string>& text);
// Every delay divided by the speed, rounded to the nearest millisecond.
StandInOptions ScaledOptions(const StandInOptions& options, double speed);
// The default timings scaled by the speed in the environment, and the faults it asks for.
StandInOptions StandInOptionsFromEnvironment();

}  // namespace velutreck
