// Puts the hosted stand-ins of the three driven programs where Velutreck looks for them by default,
// associates Nero's audio projects with the Nero stand-in, points them at a state folder of the
// test's own, and ends them again. For every Wine test that lets Velutreck or its drivers run a job.
#pragma once

#include <string>

#include "rehearsal/hosts/stand_in_state.h"

namespace velutreck::standintest {

inline const std::string SimpleBurnerPath = "C:\\Program Files\\Sony\\Net MD Simple Burner\\NetMDSB.exe";
inline const std::string ImageDrivePath = "C:\\Program Files\\ahead\\ImageDrive\\ImageDrive.exe";
inline const std::string NeroPath = "C:\\Program Files\\ahead\\Nero\\nero.exe";

// Copies NetMDSB.exe, ImageDrive.exe and nero.exe from beside the test program to their paths
// above and opens ".nra" files with the Nero stand-in. Stand-ins still running are ended first,
// since a running program file cannot be replaced. Throws std::runtime_error when it cannot.
void InstallStandIns();

// The stand-ins started from now on by this process (and by whatever it starts) keep their
// state in the folder, which is emptied (no disc file, empty drive, no log), and run their delays
// `speed` times faster. The state, for the test to read and prepare.
StandInState UseStandInState(const std::string& folder, double speed);

// Ends the resident virtual drive, which empties the drive, and then by force every stand-in
// still running from its installed path.
void EndStandIns();

}  // namespace velutreck::standintest
