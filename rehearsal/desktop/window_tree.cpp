#include "rehearsal/desktop/window_tree.h"

#include <algorithm>
#include <stdexcept>

namespace velutreck {

namespace {

bool Matches(const std::optional<std::string>& wanted, const std::string& actual) {
    return !wanted || *wanted == actual;
}

void Erase(std::vector<WindowHandle>& list, WindowHandle window) {
    list.erase(std::remove(list.begin(), list.end(), window), list.end());
}

}  // namespace

const SimWindow& WindowTree::Window(WindowHandle window) const {
    const auto found = windows_.find(window);
    if (found == windows_.end()) {
        throw std::out_of_range("There is no window " + std::to_string(window));
    }
    return found->second;
}

SimWindow& WindowTree::Mutable(WindowHandle window) {
    const auto found = windows_.find(window);
    if (found == windows_.end()) {
        throw std::out_of_range("There is no window " + std::to_string(window));
    }
    return found->second;
}

WindowHandle WindowTree::TopLevelOf(WindowHandle window) const {
    while (Window(window).parent != 0) {
        window = Window(window).parent;
    }
    return window;
}

std::vector<WindowHandle> WindowTree::TopLevelOfTask(TaskId task) const {
    std::vector<WindowHandle> result;
    for (WindowHandle window : topLevel_) {
        if (Window(window).task == task) {
            result.push_back(window);
        }
    }
    return result;
}

WindowHandle WindowTree::Find(WindowHandle parent, WindowHandle childAfter, const std::optional<std::string>& className,
                              const std::optional<std::string>& caption) const {
    if (parent != 0 && !Exists(parent)) {
        return 0;
    }
    const std::vector<WindowHandle>& list = parent == 0 ? topLevel_ : Window(parent).children;
    auto from = list.begin();
    if (childAfter != 0) {
        from = std::find(list.begin(), list.end(), childAfter);
        if (from == list.end()) {
            return 0;
        }
        ++from;
    }
    for (auto it = from; it != list.end(); ++it) {
        const SimWindow& candidate = Window(*it);
        if (Matches(className, candidate.className) && Matches(caption, candidate.text)) {
            return *it;
        }
    }
    return 0;
}

WindowHandle WindowTree::Create(WindowHandle parent, const std::string& className, const std::string& text,
                                TaskId task) {
    if (parent != 0 && !Exists(parent)) {
        throw std::invalid_argument("A window cannot be made inside window " + std::to_string(parent) +
                                    ", which does not exist");
    }
    const WindowHandle handle = nextHandle_++;
    SimWindow& created = windows_[handle];
    created.handle = handle;
    created.className = className;
    created.text = text;
    created.parent = parent;
    created.task = task;
    if (parent == 0) {
        topLevel_.insert(topLevel_.begin(), handle);
    } else {
        Mutable(parent).children.push_back(handle);
    }
    return handle;
}

void WindowTree::Collect(WindowHandle window, std::vector<WindowHandle>& out) const {
    out.push_back(window);
    for (WindowHandle child : Window(window).children) {
        Collect(child, out);
    }
}

void WindowTree::Destroy(WindowHandle window) {
    std::vector<WindowHandle> gone;
    Collect(window, gone);
    const WindowHandle parent = Window(window).parent;
    const WindowHandle topLevel = TopLevelOf(window);
    const bool focusGoes = std::find(gone.begin(), gone.end(), focus_) != gone.end();
    if (parent == 0) {
        Erase(topLevel_, window);
    } else {
        Erase(Mutable(parent).children, window);
    }
    for (WindowHandle handle : gone) {
        windows_.erase(handle);
    }
    if (foreground_ == window) {
        foreground_ = 0;
        focus_ = 0;
        if (!topLevel_.empty()) {
            Activate(topLevel_.front());
        }
    } else if (focusGoes) {
        focus_ = topLevel;
    }
    if (parent != 0 && Window(topLevel).lastFocus != 0 && !Exists(Window(topLevel).lastFocus)) {
        Mutable(topLevel).lastFocus = topLevel;
    }
}

void WindowTree::SetText(WindowHandle window, const std::string& text) { Mutable(window).text = text; }

void WindowTree::Raise(WindowHandle topLevel) {
    Erase(topLevel_, topLevel);
    topLevel_.insert(topLevel_.begin(), topLevel);
    foreground_ = topLevel;
}

void WindowTree::GiveFocus(WindowHandle window) {
    const WindowHandle topLevel = TopLevelOf(window);
    Raise(topLevel);
    focus_ = window;
    Mutable(topLevel).lastFocus = window;
}

void WindowTree::Activate(WindowHandle topLevel) {
    const WindowHandle last = Window(topLevel).lastFocus;
    GiveFocus(last != 0 && Exists(last) ? last : topLevel);
}

const std::vector<std::string>& WindowTree::TypedKeys(WindowHandle window) const {
    static const std::vector<std::string> none;
    const auto found = keyRecords_.find(window);
    return found == keyRecords_.end() ? none : found->second.keys;
}

void WindowTree::RecordKey(WindowHandle window, const std::string& text, bool isText, std::uint64_t injection) {
    KeyRecord& record = keyRecords_[window];
    if (isText && record.lastEntryIsText && record.lastInjection == injection) {
        record.keys.back() += text;
    } else {
        record.keys.push_back(text);
    }
    record.lastEntryIsText = isText;
    record.lastInjection = injection;
}

}  // namespace velutreck
