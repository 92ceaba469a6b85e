// The program's own keyboard settings, changed for a key sequence and put back after it: a layout
// with Latin letters for shortcuts, and its input method closed. The input method is opened again
// only after Taken(), when the target has handled the keys: it handles posted messages before
// input, so anything put back any earlier would still apply to the keys.
#pragma once

#include <string>
#include <vector>

#include "platform/desktop.h"
#include "platform/keys.h"
#include "platform/win32/windows_api.h"

namespace velutreck {

// The keyboard layouts the user has installed.
std::vector<HKL> InstalledLayouts();

// Menus and dialog mnemonics match the character the program's layout makes of a key, so a
// shortcut whose Latin letter the layout lacks needs a layout that has it. WM_INPUTLANGCHANGEREQUEST
// is the request the language bar makes: the default window procedure switches the layout when it
// handles it, later, so the switch is awaited with GetKeyboardLayout. Since Windows 8 the switch
// is the whole desktop's, unless the user asked for one input method per app window.
class LatinLayoutWhileTyping {
public:
    // Throws an Automation failure naming the notation when the thread does not switch.
    LatinLayoutWhileTyping(HWND target, const std::vector<KeyStroke>& strokes, const std::string& notation,
                           Desktop& desktop);
    LatinLayoutWhileTyping(const LatinLayoutWhileTyping&) = delete;
    LatinLayoutWhileTyping& operator=(const LatinLayoutWhileTyping&) = delete;
    // Gives the user's language back however the typing ended.
    ~LatinLayoutWhileTyping();

private:
    Desktop& desktop_;
    DWORD thread_;
    HKL original_;
    bool perWindow_;
};

// An input method takes typed letters into its composition (Chinese, Japanese, Korean) or rewrites
// them (Vietnamese Telex makes "â" of "aa"). The thread's default IME window answers WM_IME_CONTROL
// for it across processes, for input methods of the text services too.
class InputMethodClosedWhileTyping {
public:
    explicit InputMethodClosedWhileTyping(HWND target);
    InputMethodClosedWhileTyping(const InputMethodClosedWhileTyping&) = delete;
    InputMethodClosedWhileTyping& operator=(const InputMethodClosedWhileTyping&) = delete;
    ~InputMethodClosedWhileTyping();

    // Open and would not close: the text must go as Unicode, which no composition takes.
    bool StillOpen() const { return stillOpen_; }
    bool Closed() const { return closed_; }
    void Taken() { taken_ = true; }

private:
    HWND imeWindow_;
    bool closed_ = false;
    bool stillOpen_ = false;
    bool taken_ = false;
};

}  // namespace velutreck
