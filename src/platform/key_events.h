// Turning key strokes into keyboard events, the way they are injected into other programs and
// the way the simulated keyboard plays them. A character goes as the key the target's keyboard
// layout types it with, so that programs that watch key-downs (menus, accelerators, dialogs) see a
// real key. A stroke that holds Ctrl or Alt is a shortcut: when the layout has no key for its
// ASCII letter or digit (a Cyrillic or Greek layout has no "e"), the desktop switches the program
// to a Latin layout first. Characters of a text go as Unicode packets, which never carry a
// modifier, when the layout cannot type them or types them with a dead key; where the layout cannot
// tell which keys are dead, so do the accents and quote marks dead keys are made for.
// Modifiers held over a key are pressed and released with it, so that nothing of ours stays held.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "platform/keys.h"

namespace velutreck {

// The Windows virtual-key codes the events use.
namespace virtual_key {
inline constexpr std::uint16_t Cancel = 0x03;  // Break
inline constexpr std::uint16_t Back = 0x08;
inline constexpr std::uint16_t Tab = 0x09;
inline constexpr std::uint16_t Return = 0x0D;
inline constexpr std::uint16_t Shift = 0x10;
inline constexpr std::uint16_t Control = 0x11;
inline constexpr std::uint16_t Menu = 0x12;  // Alt
inline constexpr std::uint16_t Capital = 0x14;  // Caps Lock
inline constexpr std::uint16_t Escape = 0x1B;
inline constexpr std::uint16_t Space = 0x20;
inline constexpr std::uint16_t Prior = 0x21;  // Page Up
inline constexpr std::uint16_t Next = 0x22;   // Page Down
inline constexpr std::uint16_t End = 0x23;
inline constexpr std::uint16_t Home = 0x24;
inline constexpr std::uint16_t Left = 0x25;
inline constexpr std::uint16_t Up = 0x26;
inline constexpr std::uint16_t Right = 0x27;
inline constexpr std::uint16_t Down = 0x28;
inline constexpr std::uint16_t Snapshot = 0x2C;  // Print Screen
inline constexpr std::uint16_t Insert = 0x2D;
inline constexpr std::uint16_t Delete = 0x2E;
inline constexpr std::uint16_t Help = 0x2F;
inline constexpr std::uint16_t Digit0 = 0x30;  // '0'-'9' follow in order
inline constexpr std::uint16_t LetterA = 0x41;  // 'A'-'Z' follow in order
inline constexpr std::uint16_t F1 = 0x70;       // F1-F16 follow in order
inline constexpr std::uint16_t NumLock = 0x90;
inline constexpr std::uint16_t Scroll = 0x91;
}  // namespace virtual_key

struct KeyEvent {
    std::uint16_t virtualKey = 0;  // 0 for a Unicode packet
    std::uint16_t scanCode = 0;    // for a Unicode packet: the UTF-16 unit it types
    bool up = false;
    bool extended = false;  // the keys of the grey block beside the typing keys
    bool unicode = false;

    friend bool operator==(const KeyEvent&, const KeyEvent&) = default;
};

// The key that types a character on a layout, with the modifiers it needs (Ctrl+Alt is AltGr).
struct LayoutKey {
    std::uint16_t virtualKey = 0;
    bool shift = false;
    bool ctrl = false;
    bool alt = false;
};

// What the target's keyboard layout says about typing.
class KeyboardLayout {
public:
    KeyboardLayout() = default;
    KeyboardLayout(const KeyboardLayout&) = delete;
    KeyboardLayout& operator=(const KeyboardLayout&) = delete;
    virtual ~KeyboardLayout() = default;

    // None when no key types the character with modifiers we can press.
    virtual std::optional<LayoutKey> KeyFor(char16_t character) const = 0;
    virtual std::uint16_t ScanCode(std::uint16_t virtualKey) const = 0;
    // Whether the key, with the modifiers given, is dead: it types nothing itself but changes the
    // next character. None where the layout cannot tell without disturbing the keyboard.
    virtual std::optional<bool> IsDeadKey(const LayoutKey& key) const = 0;
    // Whether any key is dead without Shift or AltGr.
    virtual bool HasDeadKeys() const = 0;
};

// The events of one stroke: modifier downs, the key down and up, modifier ups. With textAsUnicode
// every character typed without Ctrl or Alt goes as a Unicode packet: for when keys would not type
// it exactly (Caps Lock that would not turn off, an input method that would not close).
std::vector<KeyEvent> StrokeEvents(const KeyStroke& stroke, const KeyboardLayout& layout, bool textAsUnicode = false);

// Whether a shortcut of the strokes (Ctrl or Alt held) names a Latin letter or digit that the
// layout has no key for. Menus and dialog mnemonics match the character the program's own layout
// makes of the key: on a Russian layout Alt and the key named E arrive as Alt+"у", which no menu
// of Nero's answers. Such strokes need the program's layout switched to a Latin one first.
bool NeedsLatinLayout(const std::vector<KeyStroke>& strokes, const KeyboardLayout& layout);

// Whether the layout types every letter from a to z: a layout a shortcut can be switched to.
bool HasLatinLetters(const KeyboardLayout& layout);

// A press of Caps Lock when it is on, nothing when it is off. Letters typed as keys would come out
// in the wrong case under Caps Lock: this press turns it off before a sequence and, once more,
// back on after it.
std::vector<KeyEvent> CapsLockToggleEvents(bool capsLockOn, const KeyboardLayout& layout);

// The modifier releases owed when only the first `sent` events of a batch went in.
std::vector<KeyEvent> ReleasesOwed(const std::vector<KeyEvent>& batch, std::size_t sent);

// The named key a virtual key is, if any.
std::optional<NamedKey> NamedKeyOf(std::uint16_t virtualKey);

bool IsModifierKey(std::uint16_t virtualKey);

}  // namespace velutreck
