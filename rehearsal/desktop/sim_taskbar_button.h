// Velutreck's taskbar button on the simulated desktop: what it shows (the progress bar, its colour,
// the tooltip) with every change on record, and whether it flashes. As on Windows, a flash asked
// for while the window is in front does not start, and one that runs stops when the window comes
// to the front.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/taskbar_button.h"

namespace velutreck {

struct TaskbarView {
    TaskbarProgress state = TaskbarProgress::None;
    std::uint64_t completed = 0;
    std::uint64_t total = 0;
    std::string tooltip;

    friend bool operator==(const TaskbarView&, const TaskbarView&) = default;
};

class SimTaskbarButton : public TaskbarButton {
public:
    explicit SimTaskbarButton(std::function<bool()> windowInFront) : windowInFront_(std::move(windowInFront)) {}

    void ShowProgress(TaskbarProgress state, std::uint64_t completed, std::uint64_t total) override;
    void ShowTooltip(const std::string& text) override;
    void Flash() override;

    // The window came to the front.
    void BroughtToFront() { flashing_ = false; }

    const TaskbarView& Now() const { return now_; }
    // Each view the button showed, in order; a call that changed nothing adds none.
    const std::vector<TaskbarView>& History() const { return history_; }
    bool Flashing() const { return flashing_; }
    int FlashesAsked() const { return flashesAsked_; }

private:
    void Record();

    std::function<bool()> windowInFront_;
    TaskbarView now_;
    std::vector<TaskbarView> history_;
    bool flashing_ = false;
    int flashesAsked_ = 0;
};

}  // namespace velutreck
