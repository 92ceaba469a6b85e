#include "rehearsal/operator/velutreck_process.h"

#include <commctrl.h>

#include <stdexcept>
#include <vector>

#include "platform/win32/wide_text.h"

namespace velutreck::windowtest {

namespace {

constexpr wchar_t SettingsKey[] = L"Software\\VB and VBA Program Settings\\Velutreck";
constexpr wchar_t SettingsSectionKey[] = L"Software\\VB and VBA Program Settings\\Velutreck\\Settings";

struct Search {
    DWORD processId;
    const wchar_t* className;
    HWND found;
};

}  // namespace

HWND VisibleWindowOf(DWORD processId, const wchar_t* className) {
    Search search{processId, className, nullptr};
    EnumWindows(
        [](HWND window, LPARAM parameter) -> BOOL {
            auto& wanted = *reinterpret_cast<Search*>(parameter);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            wchar_t name[64] = {};
            GetClassNameW(window, name, 64);
            if (owner == wanted.processId && IsWindowVisible(window) && lstrcmpiW(name, wanted.className) == 0) {
                wanted.found = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

bool Eventually(const std::function<bool()>& condition, DWORD timeoutMs) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    while (!condition()) {
        if (GetTickCount64() >= deadline) {
            return false;
        }
        Sleep(20);
    }
    return true;
}

std::wstring BinFolder() {
    wchar_t path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    const std::wstring file(path, length);
    return file.substr(0, file.find_last_of(L'\\'));
}

VelutreckProcess::VelutreckProcess(const std::vector<std::wstring>& arguments) {
    const std::wstring program = BinFolder() + L"\\Velutreck.exe";
    std::wstring commandLine = L"\"" + program + L"\"";
    for (const std::wstring& argument : arguments) {
        commandLine += L" \"" + argument + L"\"";
    }
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, BinFolder().c_str(),
                        &startup, &info_)) {
        throw std::runtime_error("Velutreck.exe could not be started.");
    }
}

VelutreckProcess::~VelutreckProcess() {
    if (WaitForSingleObject(info_.hProcess, 0) != WAIT_OBJECT_0) {
        EnumThreadWindows(
            info_.dwThreadId,
            [](HWND window, LPARAM) -> BOOL {
                PostMessageW(window, WM_CLOSE, 0, 0);
                return TRUE;
            },
            0);
        if (!WaitForExit(5000)) {
            TerminateProcess(info_.hProcess, 1);
            WaitForSingleObject(info_.hProcess, 5000);
        }
    }
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
}

HWND VelutreckProcess::WaitForMainWindow() const {
    HWND window = nullptr;
    Eventually([&] { return (window = VisibleWindowOf(Id(), L"Velutreck.frmMain")) != nullptr; });
    return window;
}

HWND VelutreckProcess::WaitForMessageBox() const {
    HWND window = nullptr;
    Eventually([&] { return (window = VisibleWindowOf(Id(), L"#32770")) != nullptr; });
    return window;
}

bool VelutreckProcess::WaitForExit(DWORD timeoutMs) const {
    return WaitForSingleObject(info_.hProcess, timeoutMs) == WAIT_OBJECT_0;
}

HWND ControlOf(HWND mainWindow, ControlId id) { return GetDlgItem(mainWindow, static_cast<int>(id)); }

std::string TextOf(HWND window) {
    std::vector<wchar_t> text(8192, L'\0');
    DWORD_PTR length = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG,
                        5000, &length);
    return Narrow(std::wstring_view(text.data(), length));
}

bool Checked(HWND checkBox) { return SendMessageW(checkBox, BM_GETCHECK, 0, 0) == BST_CHECKED; }

std::string MessageBoxText(HWND messageBox) {
    std::string found;
    EnumChildWindows(
        messageBox,
        [](HWND child, LPARAM parameter) -> BOOL {
            wchar_t name[32] = {};
            GetClassNameW(child, name, 32);
            auto& text = *reinterpret_cast<std::string*>(parameter);
            if (lstrcmpiW(name, L"Static") == 0) {
                text = TextOf(child);
            }
            return text.empty();
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

namespace {

INPUT Key(WORD virtualKey, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

}  // namespace

void HideToolTips(DWORD processId) {
    HWND tip = nullptr;
    while ((tip = FindWindowExW(nullptr, tip, TOOLTIPS_CLASSW, nullptr)) != nullptr) {
        DWORD owner = 0;
        GetWindowThreadProcessId(tip, &owner);
        if (owner == processId) {
            SendMessageW(tip, TTM_POP, 0, 0);
        }
    }
}

void PressWithAlt(WORD virtualKey) {
    INPUT inputs[] = {Key(VK_MENU, false), Key(virtualKey, false), Key(virtualKey, true), Key(VK_MENU, true)};
    SendInput(4, inputs, sizeof(INPUT));
}

void Press(WORD virtualKey) {
    INPUT inputs[] = {Key(virtualKey, false), Key(virtualKey, true)};
    SendInput(2, inputs, sizeof(INPUT));
}

HWND FocusOf(DWORD threadId) {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    return GetGUIThreadInfo(threadId, &info) ? info.hwndFocus : nullptr;
}

void Settle(HWND window) {
    DWORD_PTR result = 0;
    SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &result);
}

void SelectTab(HWND mainWindow, int index) {
    const HWND tab = ControlOf(mainWindow, ControlId::SSTab1);
    const auto current = [&] { return static_cast<int>(SendMessageW(tab, TCM_GETCURSEL, 0, 0)); };
    while (current() != index) {
        const int next = current() < index ? current() + 1 : current() - 1;
        PostMessageW(tab, WM_KEYDOWN, current() < index ? VK_RIGHT : VK_LEFT, 0);
        if (!Eventually([&] { return current() == next; }, 5000)) {
            return;
        }
    }
    Settle(mainWindow);
}

void DeleteStoredSettings() { RegDeleteTreeW(HKEY_CURRENT_USER, SettingsKey); }

bool SettingsKeyExists() {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, SettingsKey, 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return false;
    }
    RegCloseKey(key);
    return true;
}

std::optional<std::string> StoredSetting(const std::string& key) {
    wchar_t value[2048] = {};
    DWORD size = sizeof(value);
    DWORD type = 0;
    if (RegGetValueW(HKEY_CURRENT_USER, SettingsSectionKey, Widen(key).c_str(), RRF_RT_ANY, &type, value, &size) !=
            ERROR_SUCCESS ||
        type != REG_SZ) {
        return std::nullopt;
    }
    return Narrow(value);
}

void StoreSetting(const std::string& key, const std::string& value) {
    const std::wstring text = Widen(value);
    RegSetKeyValueW(HKEY_CURRENT_USER, SettingsSectionKey, Widen(key).c_str(), REG_SZ, text.c_str(),
                    static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

}  // namespace velutreck::windowtest
