// What a user's earlier session leaves for the next job: an empty Nero audio project and a temp
// folder, both on the disk and both chosen in the stored settings, as a press of Start saved them.
#pragma once

#include <string>

namespace velutreck::operating {

// Writes the empty project, makes the folder (the path ends with a backslash) and stores both.
// Throws std::runtime_error when a file cannot be written.
void StageProjectAndTempFolder(const std::string& project, const std::string& tempFolder);

}  // namespace velutreck::operating
