// The version as a user reads it everywhere: in the window, the job log, the file's properties and
// the name of the zip.
#pragma once

#include <string>

#include "base/int16.h"

namespace velutreck {

// "major.minor.revision": major padded with zeros to at least four digits, minor and revision to
// at least two; a longer number is shown whole. This build: "2003.04.15".
std::string VersionNumber(Int16 major, Int16 minor, Int16 revision);

}  // namespace velutreck
