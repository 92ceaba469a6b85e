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

void WaitAnswering(DWORD milliseconds) {
    const ULONGLONG until = GetTickCount64() + milliseconds;
    for (;;) {
        AnswerAndPaint();
        const ULONGLONG now = GetTickCount64();
        if (now >= until) {
            return;
        }
        // Wakes for what arrived since the last look at the queue, so nothing that came in between
        // waits for the whole time.
        MsgWaitForMultipleObjectsEx(0, nullptr, static_cast<DWORD>(until - now), QS_PAINT | QS_SENDMESSAGE, 0);
    }
}

}  // namespace velutreck
