// ImageDrive and Simple Burner are 32-bit programs: on 64-bit Windows they install under "Program
// Files (x86)", while their default paths name "Program Files".
#pragma once

#include "platform/controls.h"
#include "platform/file_system.h"

namespace velutreck {

// A path under Program Files that names no file, while the same path under the 32-bit Program
// Files folder does, becomes that path; any other text stays as it is.
void PreferProgramFilesX86(TextBox& programPath, const FileSystem& files);

}  // namespace velutreck
