// Typing key events into the program in front with SendInput. Which events a stroke becomes is
// decided by the portable key events on the target window's keyboard layout; this is the part
// that asks Windows about the layout and Caps Lock and hands the events over.
#pragma once

#include <string>
#include <vector>

#include "platform/desktop.h"
#include "platform/key_events.h"
#include "platform/win32/windows_api.h"

namespace velutreck {

// The layout of the thread that owns the window: the keys land there, so its layout decides.
class WindowKeyboardLayout : public KeyboardLayout {
public:
    explicit WindowKeyboardLayout(HWND window);
    explicit WindowKeyboardLayout(HKL layout);
    std::optional<LayoutKey> KeyFor(char16_t character) const override;
    std::uint16_t ScanCode(std::uint16_t virtualKey) const override;
    std::optional<bool> IsDeadKey(const LayoutKey& key) const override;
    bool HasDeadKeys() const override { return hasDeadKeys_; }

private:
    HKL layout_;
    bool hasDeadKeys_;
};

std::vector<INPUT> ToInputs(const std::vector<KeyEvent>& events);

// Sends one batch; when Windows takes only part of it, releases whatever modifier it left held
// and throws an Automation failure naming the notation.
void SendBatch(const std::vector<KeyEvent>& batch, const std::string& notation);

// Caps Lock is off while a sequence is typed and as it was afterwards, however the typing ends.
// With the Windows setting under which only Shift turns it off, pressing Caps Lock leaves it on:
// then it stays on, the text goes as Unicode, which Caps Lock does not touch, and it is pressed at
// the end only if a Shift of the keys turned it off.
class CapsLockOffWhileTyping {
public:
    CapsLockOffWhileTyping(const KeyboardLayout& layout, const std::string& notation, Desktop& desktop);
    CapsLockOffWhileTyping(const CapsLockOffWhileTyping&) = delete;
    CapsLockOffWhileTyping& operator=(const CapsLockOffWhileTyping&) = delete;
    ~CapsLockOffWhileTyping();

    bool StillOn() const { return wasOn_ && !turnedOff_; }

private:
    Desktop& desktop_;
    std::vector<KeyEvent> press_;
    bool wasOn_;
    bool turnedOff_ = false;
};

}  // namespace velutreck
