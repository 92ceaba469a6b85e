// Choosing the top-level window to activate, and bringing it to the foreground despite the
// rules by which Windows keeps a background program from taking the focus.
#pragma once

#include <string>
#include <string_view>

#include "platform/win32/windows_api.h"

namespace velutreck {

// The visible top-level window whose title equals the text, else the first in z-order whose title
// begins with it; both case-insensitive. nullptr when there is none.
HWND FindWindowByTitle(std::wstring_view title);

// The first visible, enabled top-level window of the process, else any top-level window of it.
HWND FindWindowOfProcess(DWORD processId);

// Restores the window if minimised and makes it the foreground window, trying harder when Windows
// refuses at first. Throws an Automation failure when the window no longer exists, when its
// program does not respond, and when neither it nor a window it owns ends up in front. Returns
// within a second or so whatever the window's program does.
void BringToForeground(HWND window);

}  // namespace velutreck
