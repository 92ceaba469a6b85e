// Whether one of the program's modal boxes or dialogs is open. The master timer holds its ticks
// back while one is, because a modal box runs a message loop of its own in which a tick would
// otherwise start behind the box the user is reading.
#pragma once

namespace velutreck {

class ModalState {
public:
    bool Open() const { return depth_ > 0; }

    // Marks a modal box as open for as long as it lives.
    class Scope {
    public:
        explicit Scope(ModalState& state) : state_(state) { ++state_.depth_; }
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;
        ~Scope() { --state_.depth_; }

    private:
        ModalState& state_;
    };

private:
    int depth_ = 0;
};

}  // namespace velutreck
