// What the program asks of the system around its one window: whether another copy runs, and the
// enhanced tooltips it installs at start-up and releases when the window unloads.
#pragma once

namespace velutreck {

class InstanceCheck {
public:
    InstanceCheck() = default;
    InstanceCheck(const InstanceCheck&) = delete;
    InstanceCheck& operator=(const InstanceCheck&) = delete;
    virtual ~InstanceCheck() = default;

    virtual bool AnotherInstanceRunning() = 0;
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
