#include "rehearsal/desktop/sim_keyboard.h"

#include <algorithm>
#include <span>
#include <string_view>
#include <utility>

namespace velutreck {

namespace {

namespace vk = virtual_key;

// What a dead key makes of the letter that follows it.
struct Accent {
    std::u32string_view deadKeys;
    std::u32string_view letters;
    std::u32string_view composed;
};

constexpr Accent Accents[] = {
    {U"'\u00B4", U"aeiouyAEIOUY", U"\u00E1\u00E9\u00ED\u00F3\u00FA\u00FD\u00C1\u00C9\u00CD\u00D3\u00DA\u00DD"},
    {U"`", U"aeiouAEIOU", U"\u00E0\u00E8\u00EC\u00F2\u00F9\u00C0\u00C8\u00CC\u00D2\u00D9"},
    {U"^", U"aeiouAEIOU", U"\u00E2\u00EA\u00EE\u00F4\u00FB\u00C2\u00CA\u00CE\u00D4\u00DB"},
    {U"~", U"anoANO", U"\u00E3\u00F1\u00F5\u00C3\u00D1\u00D5"},
    {U"\"\u00A8", U"aeiouyAEIOU", U"\u00E4\u00EB\u00EF\u00F6\u00FC\u00FF\u00C4\u00CB\u00CF\u00D6\u00DC"},
    {U"\u02DD", U"ouOU", U"\u0151\u0171\u0150\u0170"},
    {U"\u00B0", U"auAU", U"\u00E5\u016F\u00C5\u016E"},
};

// Polish (Programmers) makes its own letters of "~" and the letter.
constexpr Accent PolishAccents[] = {
    {U"~", U"acelnoszxACELNOSZX",
     U"\u0105\u0107\u0119\u0142\u0144\u00F3\u015B\u017C\u017A\u0104\u0106\u0118\u0141\u0143\u00D3\u015A\u017B\u0179"},
};

std::optional<char32_t> Combined(SimLayout layout, char32_t deadKey, char32_t next) {
    const std::span<const Accent> accents =
        layout == SimLayout::PolishProgrammers ? std::span<const Accent>(PolishAccents) : std::span<const Accent>(Accents);
    for (const Accent& accent : accents) {
        const std::size_t letter = accent.letters.find(next);
        if (accent.deadKeys.find(deadKey) != std::u32string_view::npos && letter != std::u32string_view::npos) {
            return accent.composed[letter];
        }
    }
    return std::nullopt;
}

KeyStroke Character(char32_t character) { return KeyStroke{.character = character}; }

// A Japanese input method left as it is gives full-width forms of what was typed.
char32_t FullWidth(char32_t character) {
    if (character == U' ') {
        return 0x3000;
    }
    return character > 0x20 && character < 0x7F ? character + 0xFEE0 : character;
}

char32_t TextCharacter(const KeyStroke& stroke) {
    const char32_t c = stroke.character;
    return stroke.shift && c >= U'a' && c <= U'z' ? c - U'a' + U'A' : c;
}

}  // namespace

void SimKeyboard::SetLayout(SimLayout layout) {
    layout_ = layout;
    taskLayouts_.clear();
    if (std::find(installed_.begin(), installed_.end(), layout) == installed_.end()) {
        installed_.push_back(layout);
    }
}

bool SimKeyboard::SwitchLanguage(TaskId task, SimLayout layout) {
    if (std::find(installed_.begin(), installed_.end(), layout) == installed_.end()) {
        return false;
    }
    if (languagePerWindow_) {
        taskLayouts_[task] = layout;
    } else {
        layout_ = layout;
        taskLayouts_.clear();
    }
    return true;
}

SimLayout SimKeyboard::LayoutOf(TaskId task) const {
    const auto found = taskLayouts_.find(task);
    return found == taskLayouts_.end() ? layout_ : found->second;
}

const SimKeyboardLayout& SimKeyboard::LayoutFor(SimLayout layout) {
    static const SimKeyboardLayout layouts[] = {
        SimKeyboardLayout(SimLayout::UnitedStates),     SimKeyboardLayout(SimLayout::Russian),
        SimKeyboardLayout(SimLayout::UsInternational),  SimKeyboardLayout(SimLayout::French),
        SimKeyboardLayout(SimLayout::PolishProgrammers), SimKeyboardLayout(SimLayout::Hungarian)};
    return layouts[static_cast<int>(layout)];
}

// The keyboard itself keeps the lock: Caps Lock toggles it, unless the setting lets only Shift
// turn it off.
bool SimKeyboard::LockAfter(bool on, const KeyEvent& event) const {
    if (event.unicode || event.up) {
        return on;
    }
    if (event.virtualKey == vk::Capital) {
        return on && shiftTurnsOffCapsLock_ ? true : !on;
    }
    return event.virtualKey == vk::Shift && shiftTurnsOffCapsLock_ ? false : on;
}

bool SimKeyboard::CapsLockOnAfter(const std::vector<KeyEvent>& events) const {
    bool on = capsLock_;
    for (const KeyEvent& event : events) {
        on = LockAfter(on, event);
    }
    return on;
}

void SimKeyboard::SetInputMethodsOpen(bool open) {
    inputMethodsOpen_ = open;
    inputMethods_.clear();
}

bool SimKeyboard::InputMethodOpen(TaskId task) const {
    const auto found = inputMethods_.find(task);
    return found == inputMethods_.end() ? inputMethodsOpen_ : found->second;
}

std::vector<KeyStroke> SimKeyboard::Play(const KeyEvent& event, TaskId task) {
    if (event.unicode) {
        const char16_t unit = static_cast<char16_t>(event.scanCode);
        if (event.up) {
            return {};
        }
        if (unit >= 0xD800 && unit < 0xDC00) {
            highSurrogate_ = unit;
            return {};
        }
        char32_t character = unit;
        if (unit >= 0xDC00 && unit < 0xE000 && highSurrogate_ != 0) {
            character = 0x10000 + ((highSurrogate_ - 0xD800) << 10) + (unit - 0xDC00);
        }
        highSurrogate_ = 0;
        return {Character(character)};
    }
    capsLock_ = LockAfter(capsLock_, event);
    if (IsModifierKey(event.virtualKey)) {
        bool& held = event.virtualKey == vk::Shift ? shift_ : event.virtualKey == vk::Control ? ctrl_ : alt_;
        held = !event.up;
        return {};
    }
    // A lock key changes the keyboard and types nothing; programs pass it by.
    if (event.up || event.virtualKey == vk::Capital) {
        return {};
    }
    std::vector<KeyStroke> received;
    for (const KeyStroke& stroke : PlayKey(event, task)) {
        const std::vector<KeyStroke> composed = Compose(stroke, task);
        received.insert(received.end(), composed.begin(), composed.end());
    }
    return received;
}

// Shortcuts carry the character the key makes on the program's own layout: Alt and the key named E
// is Alt+"у" on a Russian one. Ctrl+Alt is AltGr where the key has an AltGr character.
std::vector<KeyStroke> SimKeyboard::PlayKey(const KeyEvent& event, TaskId task) {
    KeyStroke stroke{.shift = shift_, .ctrl = ctrl_, .alt = alt_};
    if (const std::optional<NamedKey> named = NamedKeyOf(event.virtualKey)) {
        stroke.key = *named;
        return {stroke};
    }
    const SimLayout layoutKind = LayoutOf(task);
    const SimKeyboardLayout& layout = LayoutFor(layoutKind);
    std::optional<SimKeyboardLayout::Typed> typed;
    if (ctrl_ && alt_) {
        typed = layout.Type(event.virtualKey, shift_, true, capsLock_);
        stroke.ctrl = stroke.alt = !typed;
    }
    if (!typed) {
        typed = layout.Type(event.virtualKey, shift_, false, capsLock_);
    }
    if (!typed) {
        return {};
    }
    stroke.character = typed->character;
    stroke.shift = shift_ && !typed->shiftUsed;
    if (stroke.ctrl || stroke.alt) {
        return {stroke};
    }
    // A dead key waits for the next: a letter it goes with takes its accent, the space or the dead
    // key itself gives the accent alone, anything else comes after the accent.
    const char32_t waiting = std::exchange(deadKey_, 0);
    if (waiting == 0) {
        if (typed->dead) {
            deadKey_ = typed->character;
            return {};
        }
        return {stroke};
    }
    if (stroke.character == U' ' || stroke.character == waiting) {
        return {Character(waiting)};
    }
    if (const std::optional<char32_t> combined = Combined(layoutKind, waiting, TextCharacter(stroke))) {
        return {Character(*combined)};
    }
    if (typed->dead) {
        deadKey_ = typed->character;
        return {Character(waiting)};
    }
    return {Character(waiting), stroke};
}

// An open input method takes typed characters into its composition; Enter commits it, Esc drops
// it, other keys are its own while it holds anything.
std::vector<KeyStroke> SimKeyboard::Compose(const KeyStroke& stroke, TaskId task) {
    if (!InputMethodOpen(task) || stroke.ctrl || stroke.alt) {
        return {stroke};
    }
    if (stroke.key == NamedKey::None) {
        composition_ += FullWidth(TextCharacter(stroke));
        return {};
    }
    if (composition_.empty()) {
        return {stroke};
    }
    std::vector<KeyStroke> committed;
    if (stroke.key == NamedKey::Enter) {
        for (char32_t character : composition_) {
            committed.push_back(Character(character));
        }
    }
    if (stroke.key == NamedKey::Enter || stroke.key == NamedKey::Escape) {
        composition_.clear();
    }
    return committed;
}

}  // namespace velutreck
