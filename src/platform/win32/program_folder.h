// Where Velutreck's own files lie: the folder of the running program file, which holds the empty
// image and the help page.
#pragma once

#include <string>

#include "base/windows_paths.h"

namespace velutreck {

// The running program file's full path.
std::string ProgramFile();

// The program file's folder, without a trailing backslash except at a drive root ("C:\").
std::string ProgramFolder();

// Velutreck's folder in the user's local application data (%LOCALAPPDATA%\Velutreck), where the
// job log is kept; empty when Windows does not say where that is.
std::string LogFolder();

}  // namespace velutreck
