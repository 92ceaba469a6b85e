// The temporary image: the temp folder's text followed directly by the image name. No separator
// is inserted, so a folder typed without a trailing backslash puts the image in its parent.
#pragma once

#include <string>

namespace velutreck {

inline const std::string TempImageName = "~TmpVelutreck.nrg";

inline std::string TempImagePath(const std::string& tempFolder) { return tempFolder + TempImageName; }

}  // namespace velutreck
