// Waiting until the window with the focus has processed the keys typed into it. SendInput only
// queues them; they reach the program's thread later, and it handles them when it gets to them.
//
// The wait shares the input state of the target's thread (AttachThreadInput) and holds the last
// key of the sequence down. The shared key state shows it down once the target has taken its
// key-down out of the queue, and the queue is first in, first out: by then every key before it
// has been taken out. Only then is it released. Where that key cannot tell (it was pressed
// earlier in the sequence, or the last character went as a Unicode packet) a marker key that no
// program uses is pressed after the sequence instead. Posted characters come before input in the
// queue, so they have been handled too; a message sent afterwards returns only once the target
// has finished with the last key. A target that takes no key for a while is hung: the wait gives
// up on it then, however long a busy target may take over many keys.
#pragma once

#include <vector>

#include "platform/key_events.h"
#include "platform/win32/windows_api.h"

namespace velutreck {

class InputWait {
public:
    // Attach before the keys are typed: attaching resets the shared key state, which would undo
    // a Shift the target has yet to see.
    explicit InputWait(HWND target);
    InputWait(const InputWait&) = delete;
    InputWait& operator=(const InputWait&) = delete;
    // Releases what is still held back.
    ~InputWait();

    // The key left down at the end of the sequence (0 for none) and the releases owed for it.
    void HoldBack(std::vector<KeyEvent> releases, WORD key);

    // Returns once the target has handled every key (true), or once it has taken no key for the
    // given time (false); either way the held key and its modifiers are released.
    bool Complete(DWORD idleTimeoutMilliseconds);

private:
    bool AwaitKeyDown(WORD key, DWORD idleTimeoutMilliseconds) const;
    void Release();

    HWND target_;
    DWORD ownThread_;
    DWORD targetThread_;
    bool attached_;
    std::vector<KeyEvent> releases_;
    WORD heldKey_ = 0;
};

}  // namespace velutreck
