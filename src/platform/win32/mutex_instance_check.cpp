#include "platform/win32/mutex_instance_check.h"

#include "platform/win32/item_hand_over.h"

namespace velutreck {

namespace {

// "Local\": copies started by other users, in their own sessions, do not count.
constexpr const wchar_t* MutexName = L"Local\\Velutreck.SingleInstance";

}  // namespace

MutexInstanceCheck::MutexInstanceCheck() {
    SetLastError(ERROR_SUCCESS);
    mutex_ = CreateMutexW(nullptr, FALSE, MutexName);
    const DWORD error = GetLastError();
    // A copy that runs as administrator made the mutex for its level alone: a copy of a lower
    // integrity level may not open it, and is not the first either.
    another_ = error == ERROR_ALREADY_EXISTS || (mutex_ == nullptr && error == ERROR_ACCESS_DENIED);
}

MutexInstanceCheck::~MutexInstanceCheck() {
    if (mutex_ != nullptr) {
        CloseHandle(mutex_);
    }
}

bool MutexInstanceCheck::AnotherInstanceRunning() { return another_; }

HandOverOutcome MutexInstanceCheck::HandOver(const std::vector<std::string>& items) {
    switch (SendItemsToRunningCopy(items)) {
    case HandOverTaken: return HandOverOutcome::Taken;
    case HandOverBusy: return HandOverOutcome::Busy;
    default: return HandOverOutcome::NotReached;
    }
}

}  // namespace velutreck
