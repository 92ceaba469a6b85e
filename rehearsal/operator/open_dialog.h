// Adding files the way a user does: Velutreck's Add button opens the system's open-file dialog,
// the user types the folder's path and Enter to go there, then the file names, quoted when there
// are several, and Enter to choose them.
#pragma once

#include <string>
#include <vector>

#include "platform/win32/windows_api.h"

namespace velutreck::operating {

// Returns once the dialog has closed and the list holds the new entries. Throws
// std::runtime_error when the dialog does not come, go or take the names.
void AddFiles(HWND mainWindow, const std::string& folder, const std::vector<std::string>& names);

}  // namespace velutreck::operating
