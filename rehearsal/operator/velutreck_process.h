// What the operator and the Wine tests of the real window share: Velutreck.exe started as a
// process of its own and always ended, its windows found by polling with deadlines, its controls
// read by their ids, and the settings it keeps in the registry.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/control_id.h"
#include "platform/win32/windows_api.h"

namespace velutreck::windowtest {

// Polls until the condition holds or the time is up; says which.
bool Eventually(const std::function<bool()>& condition, DWORD timeoutMs = 15000);

// The folder of the test program, where Velutreck.exe lies beside it.
std::wstring BinFolder();

// A started Velutreck.exe. It is closed, and ended if it will not close, when this goes.
class VelutreckProcess {
public:
    // Started in the test program's folder, with these words on its command line, each quoted.
    explicit VelutreckProcess(const std::vector<std::wstring>& arguments = {});
    VelutreckProcess(const VelutreckProcess&) = delete;
    VelutreckProcess& operator=(const VelutreckProcess&) = delete;
    ~VelutreckProcess();

    DWORD Id() const { return info_.dwProcessId; }
    DWORD ThreadId() const { return info_.dwThreadId; }
    // The visible main window, waited for; null when it does not come.
    HWND WaitForMainWindow() const;
    // A message box of this process, waited for; null when none comes.
    HWND WaitForMessageBox() const;
    // Whether the process ends within the time.
    bool WaitForExit(DWORD timeoutMs) const;

private:
    PROCESS_INFORMATION info_{};
};

HWND ControlOf(HWND mainWindow, ControlId id);
std::string TextOf(HWND window);
bool Checked(HWND checkBox);
// The text of a message box: the text of its first static control that has one.
std::string MessageBoxText(HWND messageBox);
// A window of this class among the visible top-level windows of a process, or null.
HWND VisibleWindowOf(DWORD processId, const wchar_t* className);
// Hides the tooltips a process shows, which the pointer raises wherever it rests.
void HideToolTips(DWORD processId);
// Presses Alt and a key as the keyboard would, into whatever window has the focus.
void PressWithAlt(WORD virtualKey);
void Press(WORD virtualKey);
// The window that has the keyboard focus in a thread of another process.
HWND FocusOf(DWORD threadId);
// Returns once the window's thread has handled what was sent or posted to it before.
void Settle(HWND window);
// Selects a tab of the main window's tab control the way the arrow keys do.
void SelectTab(HWND mainWindow, int index);

// Velutreck's settings under HKEY_CURRENT_USER\Software\VB and VBA Program Settings\Velutreck.
void DeleteStoredSettings();
bool SettingsKeyExists();
std::optional<std::string> StoredSetting(const std::string& key);
void StoreSetting(const std::string& key, const std::string& value);

}  // namespace velutreck::windowtest
