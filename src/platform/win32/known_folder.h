// The folders Windows names for the user and for itself (Program Files, Send to, ...), found by
// their ids as the shell keeps them.
#pragma once

#include <string>

#include "platform/win32/windows_api.h"

#include <shlobj.h>

namespace velutreck {

// The folder's path without a trailing backslash; empty when Windows does not say where it is.
std::string KnownFolderPath(REFKNOWNFOLDERID id);

}  // namespace velutreck
