// Answers from a process of its own whether a copy of Velutreck already runs: the exit code is 1
// when the instance check sees another copy, 0 when it does not.
#include "platform/win32/mutex_instance_check.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    velutreck::MutexInstanceCheck check;
    return check.AnotherInstanceRunning() ? 1 : 0;
}
