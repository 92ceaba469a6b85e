// Whether another copy of Velutreck runs in this session: every copy creates the same named mutex
// and holds it for as long as it lives, so a copy that finds it already there is not the first.
#pragma once

#include "platform/session.h"
#include "platform/win32/windows_api.h"

namespace velutreck {

class MutexInstanceCheck : public InstanceCheck {
public:
    MutexInstanceCheck();
    ~MutexInstanceCheck() override;

    bool AnotherInstanceRunning() override;
    HandOverOutcome HandOver(const std::vector<std::string>& items) override;

private:
    HANDLE mutex_ = nullptr;
    bool another_ = false;
};

}  // namespace velutreck
