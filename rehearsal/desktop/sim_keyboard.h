// The simulated keyboard: the layouts of the programs, the Caps Lock toggle, the modifiers held, a
// dead key waiting for the next one and the programs' input methods. It plays key events back into
// the strokes a program receives, as Windows turns injected input into key and character messages,
// so that a wrong choice of events shows as wrong text or a shortcut no menu answers.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/desktop.h"
#include "platform/key_events.h"

namespace velutreck {

// US; Russian (Cyrillic letters on the letter keys, digits and the space, no Latin letter);
// US-International (dead ' " ` ~ ^); French AZERTY (digits with Shift, "\" with AltGr, dead ^ and ¨,
// dead ~ and ` with AltGr); Polish (Programmers) (US keys, the Polish letters on AltGr, and one dead
// key, ~ on Shift+`); Hungarian (QWERTZ, its accents dead on AltGr and the digit keys, no dead key
// without AltGr).
enum class SimLayout { UnitedStates, Russian, UsInternational, French, PolishProgrammers, Hungarian };

std::string LayoutName(SimLayout layout);

class SimKeyboardLayout : public KeyboardLayout {
public:
    explicit SimKeyboardLayout(SimLayout layout);
    std::optional<LayoutKey> KeyFor(char16_t character) const override;
    std::uint16_t ScanCode(std::uint16_t virtualKey) const override { return virtualKey; }
    // As Windows 10 tells it without disturbing the keyboard.
    std::optional<bool> IsDeadKey(const LayoutKey& key) const override;
    // As Windows tells it on any version: only keys that are dead without Shift or AltGr count.
    bool HasDeadKeys() const override;

    struct Typed {
        char32_t character = 0;
        bool shiftUsed = false;  // Shift made the character rather than being held over it
        bool dead = false;       // types nothing itself but changes the next character
    };
    // What the key types with Shift, AltGr and Caps Lock as given; none for a key of no character.
    std::optional<Typed> Type(std::uint16_t virtualKey, bool shift, bool altGr, bool capsLock) const;

private:
    void MakeHungarian();

    struct Key {
        std::uint16_t virtualKey = 0;
        char16_t plain = 0;
        char16_t shifted = 0;  // 0 when Shift changes nothing
        char16_t altGr = 0;    // 0 when the key has nothing on AltGr
        bool capsLock = false;  // Caps Lock swaps plain and shifted (the letters)
        bool deadPlain = false;
        bool deadShifted = false;
        bool deadAltGr = false;
    };
    std::vector<Key> keys_;
};

class SimKeyboard {
public:
    // The layout of every program, as when the user picks an input language; it is installed.
    void SetLayout(SimLayout layout);
    // A program's own layout, as the user chose it for its window.
    void SetLayoutOf(TaskId task, SimLayout layout) { taskLayouts_[task] = layout; }
    SimLayout LayoutOf(TaskId task) const;
    static const SimKeyboardLayout& LayoutFor(SimLayout layout);
    // The Windows setting "Let me set a different input method for each app window". Off, as by
    // default since Windows 8, the input language is one for the whole desktop: a program that
    // switches its layout switches every program's.
    void SetLanguagePerWindow(bool perWindow) { languagePerWindow_ = perWindow; }
    bool LanguagePerWindow() const { return languagePerWindow_; }
    // What the default window procedure does with WM_INPUTLANGCHANGEREQUEST in the program's
    // thread: nothing for a layout that is not installed.
    bool SwitchLanguage(TaskId task, SimLayout layout);
    // The layouts the user has installed: US and whatever SetLayout chose, unless a test says.
    void SetInstalledLayouts(std::vector<SimLayout> layouts) { installed_ = std::move(layouts); }
    const std::vector<SimLayout>& InstalledLayouts() const { return installed_; }

    void SetCapsLock(bool on) { capsLock_ = on; }
    bool CapsLockOn() const { return capsLock_; }
    // The Windows setting "Press the SHIFT key" to turn Caps Lock off: pressing Caps Lock again
    // then leaves it on.
    void SetShiftTurnsOffCapsLock(bool on) { shiftTurnsOffCapsLock_ = on; }
    // Caps Lock once the events have reached the keyboard, which happens as they are injected.
    bool CapsLockOnAfter(const std::vector<KeyEvent>& events) const;

    // An input method switched on in the program: letters typed as keys go into a composition,
    // which Enter commits (as full-width characters) and Esc drops; Unicode packets pass it by.
    // On in every program, as when the user's input language is Japanese; or in one program.
    void SetInputMethodsOpen(bool open);
    void SetInputMethodOpen(TaskId task, bool open) { inputMethods_[task] = open; }
    bool InputMethodOpen(TaskId task) const;

    // The strokes a program of the task receives for the event: for the key-down of a key other than
    // Shift, Ctrl or Alt, for a Unicode packet (at the second half of a surrogate pair); none while a
    // dead key or a composition waits; two when a dead key meets a character it does not combine with.
    std::vector<KeyStroke> Play(const KeyEvent& event, TaskId task);

private:
    std::vector<KeyStroke> PlayKey(const KeyEvent& event, TaskId task);
    std::vector<KeyStroke> Compose(const KeyStroke& stroke, TaskId task);
    bool LockAfter(bool on, const KeyEvent& event) const;

    SimLayout layout_ = SimLayout::UnitedStates;
    std::map<TaskId, SimLayout> taskLayouts_;
    bool languagePerWindow_ = false;
    std::vector<SimLayout> installed_{SimLayout::UnitedStates};
    bool capsLock_ = false;
    bool shiftTurnsOffCapsLock_ = false;
    bool shift_ = false;
    bool ctrl_ = false;
    bool alt_ = false;
    char16_t highSurrogate_ = 0;
    char32_t deadKey_ = 0;
    bool inputMethodsOpen_ = false;
    std::map<TaskId, bool> inputMethods_;
    std::u32string composition_;
};

}  // namespace velutreck
