#include "platform/win32/answering_wait.h"

namespace velutreck {

namespace {

// A PeekMessage that lets the sent messages through (PM_QS_SENDMESSAGE) handles them itself, before
// it returns; only the paint messages come out to be dispatched.
void AnswerAndPaint() {
    MSG paint;
    while (PeekMessageW(&paint, nullptr, 0, 0, PM_REMOVE | PM_QS_PAINT | PM_QS_SENDMESSAGE)) {
        DispatchMessageW(&paint);
    }
}

}  // namespace

bool WaitAnsweringForEvent(HANDLE event, DWORD milliseconds) {
    const ULONGLONG until = GetTickCount64() + milliseconds;
    const DWORD events = event == nullptr ? 0 : 1;
    for (;;) {
        AnswerAndPaint();
        const ULONGLONG now = GetTickCount64();
        if (now >= until) {
            return false;
        }
        // Wakes for what arrived since the last look at the queue, so nothing that came in between
        // waits for the whole time.
        const DWORD woke = MsgWaitForMultipleObjectsEx(events, &event, static_cast<DWORD>(until - now),
                                                       QS_PAINT | QS_SENDMESSAGE, 0);
        if (events == 1 && woke == WAIT_OBJECT_0) {
            return true;
        }
    }
}

void WaitAnswering(DWORD milliseconds) { WaitAnsweringForEvent(nullptr, milliseconds); }

}  // namespace velutreck
