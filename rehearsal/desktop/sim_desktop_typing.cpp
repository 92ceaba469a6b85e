// Typing into the program in front, as the Windows desktop does it: Caps Lock off for the sequence,
// the program's input method closed, and its layout switched to US English for shortcuts whose
// letters the layout lacks; each put back once the keys have been taken.
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
        SwitchLayout(call, keys, focus, SimLayout::UnitedStates);
    }
    // The input method is closed by a sent message, which a hung program does not answer.
    const bool closeInputMethod = keyboard_.InputMethodOpen(target) && !hung_.contains(target);
    if (closeInputMethod) {
        SetInputMethodOpen(target, false);
    }
    QueuedInput input;
    input.keys = TypingEvents(keys, SimKeyboard::LayoutFor(keyboard_.LayoutOf(target)), keyboard_.InputMethodOpen(target));
    input.injection = nextInjection_++;
    queue_.push_back(std::move(input));
    // What was changed is put back once the program has taken the keys, through the window that
    // has its focus then: the keys may have closed the one they were typed into.
    const bool restore = closeInputMethod || switchLayout;
    if ((waited || restore) && !hung_.contains(intended_)) {
        // Whatever was posted or sent before is handled first, as a message loop would.
        DeliverQueuedInput();
        const WindowHandle now = windows_.Focus();
        if (restore && now != 0 && TaskOf(now) == target) {
            if (closeInputMethod) {
                QueueMessage(now, ImeControl, ImcSetOpenStatus, 1);
            }
            if (switchLayout) {
                QueueMessage(now, InputLanguageChangeRequest, 0, static_cast<std::uint32_t>(own));
            }
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

void SimDesktop::SetInputMethodOpen(TaskId task, bool open) {
    keyboard_.SetInputMethodOpen(task, open);
    const auto running = tasks_.find(task);
    if (running != tasks_.end()) {
        Note(running->second.program + "'s input method " + (open ? "opened" : "closed"));
    }
}

// The request goes to the window with the focus; its thread switches when it handles it.
void SimDesktop::SwitchLayout(const std::string& call, const KeySequence& keys, WindowHandle focus, SimLayout layout) {
    QueueMessage(focus, InputLanguageChangeRequest, 0, static_cast<std::uint32_t>(layout));
    DeliverQueuedInput();
    if (keyboard_.LayoutOf(TaskOf(focus)) != layout) {
        Note(call + " not typed: the program's keyboard layout did not switch");
        throw Failure(FailureKind::Automation, "The keyboard layout of the program did not switch for the keys " +
                                                   Quoted(keys.notation));
    }
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
