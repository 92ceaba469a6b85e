// Reading integrity levels from Windows (see platform/privilege_isolation.h for what they keep apart).
#pragma once

#include "platform/win32/windows_api.h"

namespace velutreck {

// Whether the process runs at a higher integrity level than this one, also when Windows denies
// opening it at all. False when a level cannot be read otherwise (the process has ended, say): the
// keys and messages are then tried as before.
bool RunsAboveThisProcess(DWORD processId);

// Whether this process runs as administrator (elevated, at High or above).
bool ThisProcessRunsElevated();

}  // namespace velutreck
