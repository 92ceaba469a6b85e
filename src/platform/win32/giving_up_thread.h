// A thread for calls that may never return: a decoder stuck inside a file, a share that no longer
// answers. Each call is waited for a limited time; a call that takes longer is given up, its
// thread left to end by itself whenever the call returns, and the next call gets a new thread, so
// that neither the calls after it nor the program's exit wait for it. Each thread has COM and its
// own Media Foundation, as length readers need them.
#pragma once

#include <functional>
#include <memory>

#include "platform/win32/media_foundation_length.h"
#include "platform/win32/windows_api.h"

namespace velutreck {

class GivingUpThread {
public:
    // What a call works with; a call that may be given up must own everything else it touches.
    using Call = std::function<void(MediaFoundationLength&)>;

    GivingUpThread() = default;
    GivingUpThread(const GivingUpThread&) = delete;
    GivingUpThread& operator=(const GivingUpThread&) = delete;
    // The thread ends once its call, if any, has returned.
    ~GivingUpThread();

    // False when the call did not return within the time (or no thread could be made for it).
    bool Run(Call call, DWORD limitMs);

private:
    struct Shared;
    static DWORD WINAPI ThreadProcedure(void* shared);
    void Leave();

    std::shared_ptr<Shared> shared_;
};

}  // namespace velutreck
