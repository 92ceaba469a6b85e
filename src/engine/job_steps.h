// The steps of a job as the user reads them: in the caption while a step runs, in the job log's
// state lines and in the taskbar button's tooltip. Each state of the job begins one step.
#pragma once

#include <string_view>

#include "base/int16.h"

namespace velutreck {

struct JobStep {
    std::string_view name;
    // Whether the state shows the name in the caption when it acts. A state that does not goes on
    // with the step the state before began, and keeps that caption.
    bool shown;
};

// The first and last state of the steps that one group repeats.
inline constexpr int FirstGroupState = 8;
inline constexpr int LastGroupState = 21;
inline constexpr int LastState = 26;

// The step that a state from 1 to LastState begins; a state outside has none (an empty name).
JobStep StepOf(Int16 state);

}  // namespace velutreck
