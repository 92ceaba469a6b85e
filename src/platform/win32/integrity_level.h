// Windows' integrity levels. A program that runs as administrator runs at a higher level than a
// normal one, and Windows (User Interface Privilege Isolation) passes no injected key and no posted
// message from a lower level to it, while SendInput still reports success.
#pragma once

#include "platform/win32/windows_api.h"

namespace velutreck {

// Whether the process runs at a higher integrity level than this one. False when a level cannot be
// read: the keys and messages are then tried as before.
bool RunsAboveThisProcess(DWORD processId);

}  // namespace velutreck
