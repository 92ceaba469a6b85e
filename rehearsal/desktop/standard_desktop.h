// The desktop most tests start from: the three driven programs installed where Velutreck looks for
// them by default, an empty audio project, Velutreck's program folder with "Empty.nrg", a temp
// folder, a few audio files, and Velutreck's own window in the foreground.
#pragma once

#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "rehearsal/desktop/sim_desktop.h"
#include "rehearsal/standins/stand_in_options.h"

namespace velutreck::standard_desktop {

inline const std::string SimpleBurnerPath = "C:\\Program Files\\Sony\\Net MD Simple Burner\\NetMDSB.exe";
inline const std::string ImageDrivePath = "C:\\Program Files\\ahead\\ImageDrive\\ImageDrive.exe";
// ImageDrive's virtual CD-ROM drive.
inline const std::string ImageDriveLetter = "E:";
inline const std::string NeroPath = "C:\\Program Files\\ahead\\Nero\\nero.exe";
inline const std::string AudioProject = "C:\\Audio\\Empty.nra";
inline const std::string ProgramFolder = "C:\\Program Files\\Velutreck";
inline const std::string ProgramFile = ProgramFolder + "\\Velutreck.exe";
inline const std::string EmptyImage = ProgramFolder + "\\Empty.nrg";
// A folder of the user's own: Windows protects the drive's root.
inline const std::string TempFolder = "C:\\Temp\\";
inline const std::string OwnTitle = "Velutreck";
inline const std::string LogFolder = "C:\\Users\\Owner\\AppData\\Local\\Velutreck";
// "C:\Music\A.mp3" to "C:\Music\E.mp3".
const std::vector<std::string>& MusicFiles();
// Their playing times: 3:20, 4:05, 5:00, 2:45 and 6:10.
const std::vector<std::chrono::milliseconds>& MusicPlayingTimes();

}  // namespace velutreck::standard_desktop

namespace velutreck {

std::unique_ptr<SimDesktop> MakeStandardDesktop(const StandInOptions& options = {});

}  // namespace velutreck
