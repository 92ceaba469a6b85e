// A driven program that Windows will not let Velutreck drive (it runs as administrator, or must be
// started as one) ends the job at once: nothing Velutreck typed or posted would reach it, so the job
// would wait for ever. The user is told which program it is and what to do.
#pragma once

#include <string>

#include "base/failure.h"

namespace velutreck {

// Thrown out of a tick past every error-ignoring helper, which take only a Failure.
struct RefusedProgram {
    std::string message;  // the "Error: " message for the user and the log
};

bool IsRefusedProgram(const Failure& failure);

// operation: the driver operation's name as the log shows it ("NeroAddFile C:\A.mp3"), which
// names the program it drives.
std::string RefusedProgramMessage(const std::string& operation, const Failure& failure);

}  // namespace velutreck
