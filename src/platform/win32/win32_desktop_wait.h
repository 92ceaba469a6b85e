// Waiting until the window with the focus has processed the keys typed into it. SendInput only
// queues them; they reach the program's thread later, and it handles them when it gets to them.
//
// The wait shares the input state of the target's thread (AttachThreadInput) and then presses a
// marker key that no program uses. The shared key state shows the marker down once the target
// has taken its key-down out of the queue, and the queue is first in, first out: by then every
// key before it has been taken out. Posted characters come before input in the queue, so they
// have been handled too; a message sent afterwards returns only once the target has finished
// with the marker. A target that takes no key for a while is hung: the wait gives up on it then,
// however long a busy target may take over many keys.
#pragma once

#include "platform/win32/windows_api.h"

namespace velutreck {

class InputWait {
public:
    // Attach before the keys are typed: attaching resets the shared key state, which would undo
    // a Shift the target has yet to see.
    explicit InputWait(HWND target);
    InputWait(const InputWait&) = delete;
    InputWait& operator=(const InputWait&) = delete;
    ~InputWait();

    // Presses and releases the marker; returns once the target has handled everything before it
    // (true), or once it has taken no key for the given time (false).
    bool Complete(DWORD idleTimeoutMilliseconds);

private:
    bool AwaitMarker(DWORD idleTimeoutMilliseconds) const;

    HWND target_;
    DWORD ownThread_;
    DWORD targetThread_;
    bool attached_;
};

}  // namespace velutreck
