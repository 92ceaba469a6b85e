// Velutreck's button on the taskbar: the progress of a job drawn across it, its tooltip, and a
// flash that calls a user back who is away from the desk. Implemented on real Windows and recorded
// by the simulated desktop.
#pragma once

#include <cstdint>
#include <string>

namespace velutreck {

enum class TaskbarProgress {
    None,    // no bar
    Normal,  // green
    Paused,  // yellow
    Error,   // red
};

class TaskbarButton {
public:
    TaskbarButton() = default;
    TaskbarButton(const TaskbarButton&) = delete;
    TaskbarButton& operator=(const TaskbarButton&) = delete;
    virtual ~TaskbarButton() = default;

    // The bar filled to completed out of total; with None the bar goes and the numbers are unused.
    virtual void ShowProgress(TaskbarProgress state, std::uint64_t completed, std::uint64_t total) = 0;
    // The tooltip over the button; an empty text gives back the window's title.
    virtual void ShowTooltip(const std::string& text) = 0;
    // Flashes the button until the user brings the window to the front; nothing while it is in front.
    virtual void Flash() = 0;
};

}  // namespace velutreck
