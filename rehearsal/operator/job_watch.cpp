#include "rehearsal/operator/job_watch.h"

#include "rehearsal/operator/operator_actions.h"
#include "rehearsal/operator/velutreck_process.h"

namespace velutreck::operating {

namespace {

constexpr DWORD PollMs = 50;

void NoteCaption(JobWatch& watch, const std::string& caption, const CaptionShown& shown) {
    if (watch.captions.empty() || watch.captions.back() != caption) {
        watch.captions.push_back(caption);
        if (shown) {
            shown(watch.captions.size() - 1, caption);
        }
    }
}

}  // namespace

JobWatch WatchJob(HWND mainWindow, DWORD timeoutMs, const CaptionShown& shown) {
    JobWatch watch;
    const HWND runButton = ControlOf(mainWindow, ControlId::btnStartStop);
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        if (!IsWindow(mainWindow)) {
            watch.windowClosed = true;
            return watch;
        }
        NoteCaption(watch, CaptionOf(mainWindow), shown);
        if (CaptionOf(runButton) == "&Start") {
            // The last step sets the caption after the button: let it finish.
            windowtest::Settle(mainWindow);
            NoteCaption(watch, CaptionOf(mainWindow), shown);
            watch.ended = true;
            return watch;
        }
        if (const HWND box = OpenMessageBox(mainWindow)) {
            watch.message = MessageBoxText(box);
            return watch;
        }
        if (GetTickCount64() >= deadline) {
            return watch;
        }
        Sleep(PollMs);
    }
}

}  // namespace velutreck::operating
