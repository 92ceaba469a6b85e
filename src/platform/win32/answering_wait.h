// Waiting on the thread of Velutreck's window without leaving the window unanswered. A message that
// another thread or program sends (WM_NULL, a second copy's hand-over) is handled only while the
// receiving thread is inside GetMessage, PeekMessage or a wait for it, and Windows marks a window
// whose thread has not looked at its messages for five seconds as not responding. These waits paint
// the window and answer sent messages as they come; clicks, keys, timers and posted messages stay in
// the queue until the tick is over.
#pragma once

#include "platform/win32/windows_api.h"

namespace velutreck {

// Returns after the given time, having answered and painted meanwhile.
void WaitAnswering(DWORD milliseconds);
// The same, but returns as soon as the auto-reset event is set; true then.
bool WaitAnsweringForEvent(HANDLE event, DWORD milliseconds);

}  // namespace velutreck
