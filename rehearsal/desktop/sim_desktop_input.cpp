// Handing queued input to the programs: posted messages to the window they were posted to, keys
// to whichever window has the focus when each key arrives.
#include "rehearsal/desktop/sim_desktop.h"

#include "rehearsal/standins/key_text.h"
#include "rehearsal/desktop/transcript_text.h"

namespace velutreck {

namespace {

bool IsPlainCharacter(const KeyStroke& key) {
    return key.key == NamedKey::None && !key.shift && !key.ctrl && !key.alt;
}

// Keys that reached no program, listed for the transcript with runs of characters joined.
class LostKeys {
public:
    void Add(const KeyStroke& key) {
        const bool plain = IsPlainCharacter(key);
        if (plain && lastPlain_) {
            items_.back() += KeyText(key);
        } else {
            items_.push_back(KeyText(key));
        }
        lastPlain_ = plain;
    }
    bool Empty() const { return items_.empty(); }
    std::string Text() const {
        std::string text;
        for (const std::string& item : items_) {
            text += (text.empty() ? "" : ", ") + Quoted(item);
        }
        return text;
    }

private:
    std::vector<std::string> items_;
    bool lastPlain_ = false;
};

}  // namespace

void SimDesktop::DeliverQueuedInput() {
    while (!queue_.empty()) {
        const QueuedInput input = std::move(queue_.front());
        queue_.pop_front();
        if (HeldBack(input)) {
            heldBack_.push_back(input);
        } else if (input.window != 0) {
            DeliverMessage(input);
        } else {
            DeliverKeys(input.keys, input.injection);
        }
    }
}

void SimDesktop::DeliverMessage(const QueuedInput& input) {
    if (!windows_.Exists(input.window)) {
        return;
    }
    // Handed to the default window procedure, which switches the thread's layout or input method.
    const TaskId task = TaskOf(input.window);
    if (input.message == InputLanguageChangeRequest) {
        SwitchLanguage(task, static_cast<SimLayout>(input.lParam));
        return;
    }
    if (input.message == ImeControl && input.wParam == ImcSetOpenStatus) {
        SetInputMethodOpen(task, input.lParam != 0);
        return;
    }
    if (StandIn* standIn = RunningStandIn(input.window)) {
        standIn->OnMessage(input.window, input.message, input.wParam, input.lParam);
    }
}

void SimDesktop::DeliverKeys(const std::vector<KeyEvent>& events, std::uint64_t injection) {
    LostKeys noFocus;
    LostKeys ownWindow;
    for (const KeyEvent& event : events) {
        // The focus may move with any key, and with it the layout and input method that apply.
        const WindowHandle target = windows_.Focus();
        for (const KeyStroke& key : keyboard_.Play(event, target == 0 ? 0 : TaskOf(target))) {
            if (target == 0) {
                noFocus.Add(key);
                continue;
            }
            const TaskId task = TaskOf(target);
            if (task == ownTask_) {
                ownWindow.Add(key);
                continue;
            }
            windows_.RecordKey(target, KeyText(key), IsPlainCharacter(key), injection);
            // The key may close the window it was typed into.
            const std::string title = windows_.Window(windows_.TopLevelOf(target)).text;
            if (StandIn* standIn = RunningStandIn(target)) {
                standIn->OnKey(target, key);
            }
            BusyAfter(task, title, key);
        }
    }
    if (!noFocus.Empty()) {
        Note("Keys lost, no window has the focus: " + noFocus.Text());
    }
    if (!ownWindow.Empty()) {
        Note("Keys kept from Velutreck's own window: " + ownWindow.Text());
    }
}

// A program that handles the request itself keeps its layout; so does every program when the
// layout asked for is not installed.
void SimDesktop::SwitchLanguage(TaskId task, SimLayout layout) {
    const std::string& program = tasks_.at(task).program;
    if (layoutSwitchRefused_ || !keyboard_.SwitchLanguage(task, layout)) {
        Note(program + " keeps its layout");
    } else if (keyboard_.LanguagePerWindow()) {
        Note(program + " types on the " + LayoutName(layout) + " layout");
    } else {
        Note("Every program types on the " + LayoutName(layout) + " layout, as " + program + " asked");
    }
}

StandIn* SimDesktop::RunningStandIn(WindowHandle window) {
    const auto task = tasks_.find(windows_.Window(window).task);
    if (task == tasks_.end() || !task->second.running) {
        return nullptr;
    }
    return task->second.standIn.get();
}

// Input for a hung program waits in its queue; keys go to the focus as they arrive.
bool SimDesktop::HeldBack(const QueuedInput& input) const {
    const WindowHandle target = input.window != 0 ? input.window : windows_.Focus();
    return target != 0 && windows_.Exists(target) && hung_.contains(TaskOf(target));
}

bool SimDesktop::FocusIsOwn() const {
    const WindowHandle focus = windows_.Focus();
    return ownTask_ != 0 && focus != 0 && windows_.Window(focus).task == ownTask_;
}

}  // namespace velutreck
