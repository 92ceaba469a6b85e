// What a user does with Velutreck's window, done from another program: press its buttons, type
// into its text boxes, answer its message boxes and read its caption and track list. The end-to-end
// test, scripts/demo and scripts/bench-job drive the real Velutreck.exe through these. Buttons are
// pressed with BM_CLICK on the control of the stable ControlId; keys are typed with the program's
// own injector, so they go where a user's keys would go. Failures throw std::runtime_error (the
// program's own Failure among them).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/control_id.h"
#include "platform/keys.h"
#include "platform/win32/windows_api.h"

namespace velutreck::operating {

// Velutreck's visible main window, waited for; null when none comes in time.
HWND WaitForVelutreck(DWORD timeoutMs);
// The control of that name in the window's layout ("btnStartStop"); none for an unknown name.
std::optional<ControlId> ControlNamed(std::string_view name);
HWND ControlOf(HWND mainWindow, ControlId id);

// Presses a button or check box the way a click does, and returns without waiting for what the
// press starts (a modal dialog, a job).
void Press(HWND mainWindow, ControlId id);

// Brings the window to the front and waits until the control has the keyboard focus in it.
void FocusControl(HWND topLevel, HWND control);
// Types into the focused window of another program and returns once that window has taken the
// keys: text character by character, or one key, with Shift held when asked.
void TypeText(const std::string& text);
void TypeKey(NamedKey key, bool shift = false);
// Selects what the focused text field holds (Home, Shift+End) and types the text over it.
void ReplaceFocusedText(const std::string& text);
// Focuses the text box of the main window and replaces what it holds.
void TypeInto(HWND mainWindow, ControlId id, const std::string& text);

// Velutreck's open message box (a "#32770" titled "Velutreck"), or null.
HWND OpenMessageBox(HWND mainWindow);
std::string MessageBoxText(HWND messageBox);
enum class Answer { Ok, Cancel };
// Waits for a message box, presses OK or Cancel in it and returns its text.
std::string AnswerMessageBox(HWND mainWindow, Answer answer, DWORD timeoutMs);

// Read without asking the window, so that it works while Velutreck is busy in a step.
std::string CaptionOf(HWND window);
// Asks the list box; only for an idle window.
std::vector<std::string> ListEntries(HWND mainWindow);
bool IsChecked(HWND mainWindow, ControlId id);

}  // namespace velutreck::operating
