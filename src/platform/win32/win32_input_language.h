// The program's own keyboard settings, changed for a key sequence and put back once its keys have
// been taken: a layout with Latin letters for shortcuts, and its input method closed. Both are put
// back only after Taken(), when the target has handled the keys: it handles posted messages
// before input, so a layout put back any earlier would still apply to the keys.
#pragma once

#include <string>
#include <vector>

#include "platform/desktop.h"
#include "platform/keys.h"
#include "platform/win32/windows_api.h"

namespace velutreck {

// Menus and dialog mnemonics match the character the program's layout makes of a key, so a
// shortcut whose Latin letter the layout lacks needs a layout that has it. WM_INPUTLANGCHANGEREQUEST
// is the request the language bar makes: the default window procedure switches the layout of the
// window's thread when it handles it, later, so the switch is awaited with GetKeyboardLayout.
class LatinLayoutWhileTyping {
public:
    // Throws an Automation failure naming the notation when the thread does not switch.
    LatinLayoutWhileTyping(HWND target, const std::vector<KeyStroke>& strokes, const std::string& notation,
                           Desktop& desktop);
    LatinLayoutWhileTyping(const LatinLayoutWhileTyping&) = delete;
    LatinLayoutWhileTyping& operator=(const LatinLayoutWhileTyping&) = delete;
    ~LatinLayoutWhileTyping();

    void Taken() { taken_ = true; }

private:
    DWORD thread_;
    HKL original_;
    bool taken_ = false;
};

// A Chinese, Japanese or Korean input method takes typed letters into its composition. Its default
// IME window answers WM_IME_CONTROL for the thread it serves, across processes.
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
