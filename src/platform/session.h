// What the program asks of the system around its one window: whether another copy runs (and
// handing that copy the items this one was started with), and the enhanced tooltips it installs at start-up and releases when the window unloads.
#pragma once

#include <string>
#include <vector>

namespace velutreck {

enum class HandOverOutcome { Taken, Busy, NotReached };

class InstanceCheck {
public:
    InstanceCheck() = default;
    InstanceCheck(const InstanceCheck&) = delete;
    InstanceCheck& operator=(const InstanceCheck&) = delete;
    virtual ~InstanceCheck() = default;

    virtual bool AnotherInstanceRunning() = 0;
    // Gives the items (full paths or web addresses) to the copy that runs. It takes them unless it
    // is busy with a job; NotReached when no running copy answers.
    virtual HandOverOutcome HandOver(const std::vector<std::string>& items) = 0;
};

// Tooltips drawn in the system's tooltip font, wrapped at a maximum width, centred under the
// pointer and kept on the screen.
class BubbleTips {
public:
    BubbleTips() = default;
    BubbleTips(const BubbleTips&) = delete;
    BubbleTips& operator=(const BubbleTips&) = delete;
    virtual ~BubbleTips() = default;

    virtual bool Install() = 0;
    virtual void SetMaxWidth(int pixels) = 0;
    virtual void Remove() = 0;
};

}  // namespace velutreck
