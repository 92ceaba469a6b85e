// Turning key strokes into SendInput events. A character goes as the key the keyboard layout
// types it with, so that programs that watch key-downs (menus, accelerators, dialogs) see a real
// key; a character the layout cannot type goes as a Unicode packet instead. Modifiers held over a
// key are pressed and released within the same batch, so that nothing of ours stays held.
#pragma once

#include <string>
#include <vector>

#include "platform/keys.h"
#include "platform/win32/windows_api.h"

namespace velutreck {

// What the keyboard layout says about typing.
class KeyboardLayout {
public:
    KeyboardLayout() = default;
    KeyboardLayout(const KeyboardLayout&) = delete;
    KeyboardLayout& operator=(const KeyboardLayout&) = delete;
    virtual ~KeyboardLayout() = default;

    // VkKeyScanExW's answer: the virtual key in the low byte, the shift state (1 Shift, 2 Ctrl,
    // 4 Alt, higher bits for keys we cannot press) in the high byte; -1 when no key types it.
    virtual SHORT KeyFor(wchar_t character) const = 0;
    virtual WORD ScanCode(WORD virtualKey) const = 0;
};

// The layout of the thread that owns the window: the keys land there, so its layout decides.
class WindowKeyboardLayout : public KeyboardLayout {
public:
    explicit WindowKeyboardLayout(HWND window);
    SHORT KeyFor(wchar_t character) const override;
    WORD ScanCode(WORD virtualKey) const override;

private:
    HKL layout_;
};

// The events of one stroke: modifier downs, the key down and up, modifier ups.
std::vector<INPUT> StrokeInputs(const KeyStroke& stroke, const KeyboardLayout& layout);

// The modifier releases owed when only the first `sent` events of a batch went in.
std::vector<INPUT> ReleasesOwed(const std::vector<INPUT>& batch, std::size_t sent);

// Sends one batch; when Windows takes only part of it, releases whatever modifier it left held
// and throws an Automation failure naming the notation.
void SendBatch(const std::vector<INPUT>& batch, const std::string& notation);

}  // namespace velutreck
