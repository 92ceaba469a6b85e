// The simulated keyboard: a layout, the Caps Lock toggle and the modifiers held. It plays key
// events back into the strokes a program receives, as Windows turns injected input into key and
// character messages, so that a wrong choice of events shows as wrong text or a missing Alt.
#pragma once

#include <memory>
#include <optional>
#include <vector>

#include "platform/key_events.h"

namespace velutreck {

// A US keyboard, or a Russian one: Cyrillic letters on the letter keys, digits and the space, and
// no Latin letter at all.
enum class SimLayout { UnitedStates, Russian };

class SimKeyboardLayout : public KeyboardLayout {
public:
    explicit SimKeyboardLayout(SimLayout layout);
    std::optional<LayoutKey> KeyFor(char16_t character) const override;
    std::uint16_t ScanCode(std::uint16_t virtualKey) const override { return virtualKey; }

    struct Typed {
        char32_t character = 0;
        bool shiftUsed = false;  // Shift made the character rather than being held over it
    };
    // What the key types with Shift and Caps Lock as given; none for a key of no character.
    std::optional<Typed> Type(std::uint16_t virtualKey, bool shift, bool capsLock) const;

private:
    struct Key {
        std::uint16_t virtualKey = 0;
        char16_t plain = 0;
        char16_t shifted = 0;  // 0 when Shift changes nothing
        bool letter = false;   // Caps Lock swaps its cases
    };
    std::vector<Key> keys_;
};

class SimKeyboard {
public:
    SimKeyboard();

    void SetLayout(SimLayout layout) { layout_ = std::make_unique<SimKeyboardLayout>(layout); }
    const KeyboardLayout& Layout() const { return *layout_; }
    void SetCapsLock(bool on) { capsLock_ = on; }
    bool CapsLockOn() const { return capsLock_; }

    // The stroke the event gives: one for the key-down of a key other than Shift, Ctrl or Alt,
    // one for a Unicode packet (at the second half of a surrogate pair), none otherwise.
    std::optional<KeyStroke> Play(const KeyEvent& event);

private:
    std::unique_ptr<SimKeyboardLayout> layout_;
    bool capsLock_ = false;
    bool shift_ = false;
    bool ctrl_ = false;
    bool alt_ = false;
    char16_t highSurrogate_ = 0;
};

}  // namespace velutreck
