#include "rehearsal/desktop/sim_taskbar_button.h"

namespace velutreck {

void SimTaskbarButton::ShowProgress(TaskbarProgress state, std::uint64_t completed, std::uint64_t total) {
    now_.state = state;
    now_.completed = state == TaskbarProgress::None ? 0 : completed;
    now_.total = state == TaskbarProgress::None ? 0 : total;
    Record();
}

void SimTaskbarButton::ShowTooltip(const std::string& text) {
    now_.tooltip = text;
    Record();
}

void SimTaskbarButton::Flash() {
    ++flashesAsked_;
    flashing_ = !windowInFront_();
}

void SimTaskbarButton::Record() {
    if (history_.empty() || history_.back() != now_) {
        history_.push_back(now_);
    }
}

}  // namespace velutreck
