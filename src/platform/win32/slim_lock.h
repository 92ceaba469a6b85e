// A slim reader/writer lock taken exclusively, so that std::lock_guard and std::unique_lock take it,
// and a condition to wait on under it: Windows' own, which keep the program small.
#pragma once

#include "platform/win32/windows_api.h"

namespace velutreck {

class SlimLock {
public:
    void lock() { AcquireSRWLockExclusive(&lock_); }
    void unlock() { ReleaseSRWLockExclusive(&lock_); }
    SRWLOCK* Native() { return &lock_; }

private:
    SRWLOCK lock_ = SRWLOCK_INIT;
};

class Condition {
public:
    // Like std::condition_variable::wait_for: false when the time ran out before the predicate held.
    template <typename Predicate>
    bool WaitFor(SlimLock& lock, DWORD timeoutMs, Predicate&& holds) {
        const ULONGLONG deadline = GetTickCount64() + timeoutMs;
        while (!holds()) {
            const ULONGLONG now = GetTickCount64();
            if (now >= deadline) {
                return false;
            }
            SleepConditionVariableSRW(&condition_, lock.Native(), static_cast<DWORD>(deadline - now), 0);
        }
        return true;
    }
    template <typename Predicate>
    void Wait(SlimLock& lock, Predicate&& holds) {
        while (!holds()) {
            SleepConditionVariableSRW(&condition_, lock.Native(), INFINITE, 0);
        }
    }
    void WakeAll() { WakeAllConditionVariable(&condition_); }

private:
    CONDITION_VARIABLE condition_ = CONDITION_VARIABLE_INIT;
};

}  // namespace velutreck
