// The messages by which a test makes the keyboard test window slow or hung.
#pragma once

#include "platform/win32/windows_api.h"

namespace velutreck {

// wParam: milliseconds the window spends on every key-down from now on.
constexpr UINT KeyCaptureSetDelay = WM_APP + 1;
// wParam: milliseconds the window stops responding for at its next key-down.
constexpr UINT KeyCaptureHangAtNextKey = WM_APP + 2;
// Opens a second window of the same kind, titled as the first with " Second" added.
constexpr UINT KeyCaptureOpenSecondWindow = WM_APP + 3;

}  // namespace velutreck
