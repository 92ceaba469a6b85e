// The windows of the simulated desktop: top-level windows in z-order, each with its children in
// z-order (the first created first), one foreground window and one window with the keyboard
// focus inside it. Handles start at 1, grow, and are never used twice, so a handle kept after its
// window went reaches nothing, as on Windows. The keys typed into a window stay on record after
// the window has gone, so a test can still see what reached a closed prompt.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/desktop.h"

namespace velutreck {

struct SimWindow {
    WindowHandle handle = 0;
    std::string className;
    std::string text;
    WindowHandle parent = 0;
    TaskId task = 0;
    std::vector<WindowHandle> children;
    WindowHandle lastFocus = 0;  // top-level windows: where the focus returns on activation
};

class WindowTree {
public:
    bool Exists(WindowHandle window) const { return windows_.contains(window); }
    // Throws std::out_of_range for a window that does not exist.
    const SimWindow& Window(WindowHandle window) const;
    // Topmost first.
    const std::vector<WindowHandle>& TopLevel() const { return topLevel_; }
    WindowHandle Foreground() const { return foreground_; }
    WindowHandle Focus() const { return focus_; }
    WindowHandle TopLevelOf(WindowHandle window) const;
    // The task's top-level windows, topmost first.
    std::vector<WindowHandle> TopLevelOfTask(TaskId task) const;
    // Readable strokes ("Alt+E", "Enter"); a run of plain characters typed in one injection is one
    // entry holding the text. Empty for a window that never received a key.
    const std::vector<std::string>& TypedKeys(WindowHandle window) const;

    // The search of FindWindowEx: parent 0 searches the top-level windows, otherwise the parent's
    // direct children; after childAfter when it is not 0. 0 when nothing matches, when the parent
    // does not exist, or when childAfter is not one of the windows searched.
    WindowHandle Find(WindowHandle parent, WindowHandle childAfter, const std::optional<std::string>& className,
                      const std::optional<std::string>& caption) const;

    WindowHandle Create(WindowHandle parent, const std::string& className, const std::string& text, TaskId task);
    // Removes the window and its children. When the foreground window goes, the topmost remaining
    // top-level window takes the foreground.
    void Destroy(WindowHandle window);
    void SetText(WindowHandle window, const std::string& text);
    // The window takes the focus; its top-level window comes to the top and the foreground.
    void GiveFocus(WindowHandle window);
    // The top-level window comes to the top and the foreground, and the focus returns to the
    // window in it that last had it.
    void Activate(WindowHandle topLevel);
    // No window is in front and none has the focus; the z-order stays.
    void ClearForeground() {
        foreground_ = 0;
        focus_ = 0;
    }
    void RecordKey(WindowHandle window, const std::string& text, bool isText, std::uint64_t injection);

private:
    struct KeyRecord {
        std::vector<std::string> keys;
        std::uint64_t lastInjection = 0;  // which injection typed the last entry, to join runs
        bool lastEntryIsText = false;
    };

    SimWindow& Mutable(WindowHandle window);
    void Raise(WindowHandle topLevel);
    void Collect(WindowHandle window, std::vector<WindowHandle>& out) const;

    std::map<WindowHandle, SimWindow> windows_;
    std::map<WindowHandle, KeyRecord> keyRecords_;
    std::vector<WindowHandle> topLevel_;
    WindowHandle foreground_ = 0;
    WindowHandle focus_ = 0;
    WindowHandle nextHandle_ = 1;
};

}  // namespace velutreck
