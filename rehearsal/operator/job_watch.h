// Watching a job from outside, as a user at the screen would: the caption names each step, and the
// run button reads "&Start" again when the job is over. A message box instead means the job ran
// into something (a missing path, an image that cannot be deleted).
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/win32/windows_api.h"

namespace velutreck::operating {

struct JobWatch {
    bool ended = false;                  // the window is idle again
    bool windowClosed = false;           // Velutreck ended itself
    std::optional<std::string> message;  // the text of a message box that came, left open
    std::vector<std::string> captions;   // every caption shown, in order
};

// Called with each new caption as soon as it is seen, numbered from 0.
using CaptionShown = std::function<void(std::size_t number, const std::string& caption)>;

// Watches a running job (the checklist answered) until one of the ends above or the time is up.
JobWatch WatchJob(HWND mainWindow, DWORD timeoutMs, const CaptionShown& shown);

}  // namespace velutreck::operating
