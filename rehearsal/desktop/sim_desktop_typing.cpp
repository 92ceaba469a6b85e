// Typing into the program in front, as the Windows desktop does it: Caps Lock off for the sequence,
// the program's input method closed, and its layout switched to an installed Latin one for shortcuts
// whose letters the layout lacks; each put back once the keys have been taken or given up on.
#include <algorithm>
#include <vector>

#include "base/failure.h"
#include "rehearsal/desktop/sim_desktop.h"
#include "rehearsal/desktop/sim_text.h"
#include "rehearsal/desktop/transcript_text.h"

namespace velutreck {

void SimDesktop::InjectKeys(const KeySequence& keys, bool waited) {
    const std::string call = std::string(waited ? "Type(" : "Send(") + Quoted(keys.notation) + ")";
    if (keys.strokes.empty()) {
        Note(call);
        return;
    }
    RefuseUnlessIntended(call, keys);
    const bool reach = KeysReach(call, windows_.Focus());
    Note(call);
    if (!reach) {
        return GiveUpOnKeys(call, keys, waited);
    }
    const WindowHandle focus = windows_.Focus();
    const TaskId target = TaskOf(focus);
    const SimLayout own = keyboard_.LayoutOf(target);
    const bool switchLayout = NeedsLatinLayout(keys.strokes, SimKeyboard::LayoutFor(own));
    if (switchLayout) {
        SwitchLayout(call, keys, focus);
    }
    try {
        TypeInto(call, keys, waited, target, switchLayout);
    } catch (...) {
        if (switchLayout) {
            GiveLanguageBack(target, own);
        }
        throw;
    }
    if (switchLayout) {
        GiveLanguageBack(target, own);
    }
}

void SimDesktop::TypeInto(const std::string& call, const KeySequence& keys, bool waited, TaskId target,
                          bool switchedLayout) {
    // The input method is closed by a sent message, which a hung program does not answer.
    const bool closeInputMethod = keyboard_.InputMethodOpen(target) && !hung_.contains(target);
    if (closeInputMethod) {
        SetInputMethodOpen(target, false);
    }
    QueuedInput input;
    input.keys = TypingEvents(keys, SimKeyboard::LayoutFor(keyboard_.LayoutOf(target)), keyboard_.InputMethodOpen(target));
    input.injection = nextInjection_++;
    queue_.push_back(std::move(input));
    if ((waited || closeInputMethod || switchedLayout) && !hung_.contains(intended_)) {
        // Whatever was posted or sent before is handled first, as a message loop would.
        DeliverQueuedInput();
        // The input method is opened again through the window that has the focus once the keys
        // have been taken: they may have closed the one they were typed into.
        const WindowHandle now = windows_.Focus();
        if (closeInputMethod && now != 0 && TaskOf(now) == target) {
            QueueMessage(now, ImeControl, ImcSetOpenStatus, 1);
            DeliverQueuedInput();
        }
        if (waited) {
            AwaitBusyProgram(call, keys);
        }
        return;
    }
    GiveUpOnKeys(call, keys, waited);
}

// The keys wait in a hung program's queue, or Windows dropped them: a waited injection gives up.
void SimDesktop::GiveUpOnKeys(const std::string& call, const KeySequence& keys, bool waited) {
    if (!waited) {
        return;
    }
    clock_.AdvanceBy(HungInjectionWaitMs);
    Note(call + " gave up: the program is not responding");
    throw Failure(FailureKind::NotResponding, "The program does not take the keys " + Quoted(keys.notation));
}

// However the typing ended, the user's input language comes back: through a window of the program
// that was switched, or, when the language is one for the whole desktop, through whichever window
// has the focus now (the keys may have closed the program's). A program that has ended took its
// own language with it.
void SimDesktop::GiveLanguageBack(TaskId target, SimLayout original) {
    WindowHandle through = windows_.Focus();
    if (keyboard_.LanguagePerWindow() && (through == 0 || TaskOf(through) != target)) {
        const std::vector<WindowHandle> windows = windows_.TopLevelOfTask(target);
        if (windows.empty()) {
            return;
        }
        through = windows.front();
    }
    if (through == 0) {
        Note("The input language is not given back: no window to ask");
        return;
    }
    QueueMessage(through, InputLanguageChangeRequest, 0, static_cast<std::uint32_t>(original));
    DeliverQueuedInput();
}

void SimDesktop::SetInputMethodOpen(TaskId task, bool open) {
    keyboard_.SetInputMethodOpen(task, open);
    const auto running = tasks_.find(task);
    if (running != tasks_.end()) {
        Note(running->second.program + "'s input method " + (open ? "opened" : "closed"));
    }
}

// The request goes to the window with the focus, for an installed layout that types the letters;
// its thread switches when it handles it.
void SimDesktop::SwitchLayout(const std::string& call, const KeySequence& keys, WindowHandle focus) {
    const std::vector<SimLayout>& installed = keyboard_.InstalledLayouts();
    const auto latin = std::find_if(installed.begin(), installed.end(), [&](SimLayout layout) {
        return !NeedsLatinLayout(keys.strokes, SimKeyboard::LayoutFor(layout));
    });
    if (latin != installed.end()) {
        QueueMessage(focus, InputLanguageChangeRequest, 0, static_cast<std::uint32_t>(*latin));
        DeliverQueuedInput();
        if (keyboard_.LayoutOf(TaskOf(focus)) == *latin) {
            return;
        }
    }
    Note(call + " not typed: the program's keyboard layout did not switch");
    throw Failure(FailureKind::Automation, "The keyboard layout of the program did not switch for the keys " +
                                               Quoted(keys.notation));
}

// Caps Lock is pressed off first; where it stays on (Shift turns it off on this computer) the text
// goes as Unicode, as it does while an input method stays open. Whatever the keys did to Caps Lock
// is undone at the end.
std::vector<KeyEvent> SimDesktop::TypingEvents(const KeySequence& keys, const KeyboardLayout& layout,
                                               bool inputMethodOpen) const {
    const bool capsLockOn = keyboard_.CapsLockOn();
    std::vector<KeyEvent> events = CapsLockToggleEvents(capsLockOn, layout);
    const bool textAsUnicode = inputMethodOpen || keyboard_.CapsLockOnAfter(events);
    for (const KeyStroke& stroke : keys.strokes) {
        const std::vector<KeyEvent> strokeEvents = StrokeEvents(stroke, layout, textAsUnicode);
        events.insert(events.end(), strokeEvents.begin(), strokeEvents.end());
    }
    if (keyboard_.CapsLockOnAfter(events) != capsLockOn) {
        const std::vector<KeyEvent> restore = CapsLockToggleEvents(true, layout);
        events.insert(events.end(), restore.begin(), restore.end());
    }
    return events;
}

}  // namespace velutreck
