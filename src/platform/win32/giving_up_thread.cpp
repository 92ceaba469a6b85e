#include "platform/win32/giving_up_thread.h"

#include <mutex>

#include <objbase.h>

#include "platform/win32/slim_lock.h"

namespace velutreck {

struct GivingUpThread::Shared {
    SlimLock lock;
    Condition changed;
    Call call;
    bool called = false;  // a call waits for the thread
    bool done = false;    // the last call has returned
    bool leaving = false;
};

DWORD WINAPI GivingUpThread::ThreadProcedure(void* parameter) {
    const std::unique_ptr<std::shared_ptr<Shared>> owned(static_cast<std::shared_ptr<Shared>*>(parameter));
    Shared& shared = **owned;
    const HRESULT com = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    {
        MediaFoundationLength mediaFoundation;
        std::unique_lock lock(shared.lock);
        while (true) {
            shared.changed.Wait(shared.lock, [&] { return shared.called || shared.leaving; });
            if (!shared.called) {
                break;
            }
            const Call call = std::move(shared.call);
            shared.called = false;
            lock.unlock();
            call(mediaFoundation);
            lock.lock();
            shared.done = true;
            shared.changed.WakeAll();
        }
    }
    if (SUCCEEDED(com)) {
        CoUninitialize();
    }
    return 0;
}

GivingUpThread::~GivingUpThread() { Leave(); }

bool GivingUpThread::Run(Call call, DWORD limitMs) {
    if (!shared_) {
        auto shared = std::make_shared<Shared>();
        auto* handedOver = new std::shared_ptr<Shared>(shared);
        const HANDLE thread = CreateThread(nullptr, 0, &ThreadProcedure, handedOver, 0, nullptr);
        if (thread == nullptr) {
            delete handedOver;
            return false;
        }
        CloseHandle(thread);  // the thread ends by itself; nothing waits for it
        shared_ = std::move(shared);
    }
    Shared& shared = *shared_;
    bool returned = false;
    {
        std::lock_guard lock(shared.lock);
        shared.call = std::move(call);
        shared.called = true;
        shared.done = false;
        shared.changed.WakeAll();
        returned = shared.changed.WaitFor(shared.lock, limitMs, [&] { return shared.done; });
    }
    if (!returned) {
        Leave();
    }
    return returned;
}

void GivingUpThread::Leave() {
    if (!shared_) {
        return;
    }
    {
        std::lock_guard lock(shared_->lock);
        shared_->leaving = true;
        shared_->changed.WakeAll();
    }
    shared_.reset();
}

}  // namespace velutreck
