// The keyboard test window as the Wine tests use it: started as a process of its own, found by
// its title, read through WM_GETTEXT and always ended, even when a test fails half-way.
#pragma once

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "platform/win32/wide_text.h"
#include "platform/win32/windows_api.h"

namespace velutreck {

// Polls until the condition holds or the time is up; says which.
inline bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = 10000) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    while (!condition()) {
        if (GetTickCount64() >= deadline) {
            return false;
        }
        Sleep(10);
    }
    return true;
}

inline ULONGLONG MillisecondsTakenBy(const std::function<void()>& action) {
    const ULONGLONG start = GetTickCount64();
    action();
    return GetTickCount64() - start;
}

// The folder of the test program, where the test programs lie beside it.
inline std::wstring TestBinFolder() {
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    const std::wstring file(path, length);
    return file.substr(0, file.find_last_of(L'\\'));
}

inline std::string WindowText(HWND window) {
    DWORD_PTR length = 0;
    SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &length);
    std::wstring text(length + 1, L'\0');
    SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG, 5000,
                        &length);
    text.resize(std::min<std::size_t>(length, text.size()));
    return Narrow(text);
}

// A process the test started, ended when this goes, whatever the test got to: asked to close
// through its window first, stopped after a while. A leftover program would keep the test
// runner's output open. Holding the process handle keeps its id from going to another process.
class StartedProcess {
public:
    explicit StartedProcess(HANDLE process) : process_(process) {}
    explicit StartedProcess(DWORD processId)
        : process_(OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, processId)) {}
    StartedProcess(const StartedProcess&) = delete;
    StartedProcess& operator=(const StartedProcess&) = delete;
    ~StartedProcess() {
        End(nullptr);
        if (process_ != nullptr) {
            CloseHandle(process_);
        }
    }

    void End(HWND window) const {
        if (process_ == nullptr) {
            return;
        }
        if (window != nullptr) {
            PostMessageW(window, WM_CLOSE, 0, 0);
        }
        if (WaitForSingleObject(process_, window != nullptr ? 3000 : 0) != WAIT_OBJECT_0) {
            TerminateProcess(process_, 1);
            WaitForSingleObject(process_, 3000);
        }
    }

private:
    HANDLE process_;
};

inline HWND FindKeyCapture(const std::wstring& title) {
    return FindWindowExW(nullptr, nullptr, L"VelutreckKeyCapture", title.c_str());
}

class KeyCaptureWindow {
public:
    // Starts bin\key_capture.exe with the title and waits for its window.
    explicit KeyCaptureWindow(const std::wstring& title) : title_(title), process_(Start(title)) {
        // The window can be found before it has made its edit boxes.
        WaitUntil([&] {
            window_ = FindKeyCapture(title_);
            typing_ = FindWindowExW(window_, nullptr, L"Edit", nullptr);
            log_ = FindWindowExW(window_, nullptr, L"KeyLog", nullptr);
            return window_ != nullptr && typing_ != nullptr && log_ != nullptr && IsWindowVisible(window_);
        });
    }
    KeyCaptureWindow(const KeyCaptureWindow&) = delete;
    KeyCaptureWindow& operator=(const KeyCaptureWindow&) = delete;
    ~KeyCaptureWindow() { process_.End(window_); }

    HWND Window() const { return window_; }
    HWND Typing() const { return typing_; }
    std::string Title() const { return Narrow(title_); }

    std::string TypedText() const { return WindowText(typing_); }

    // Every key-down but the modifiers themselves and the marker key of waited injections.
    std::vector<std::string> KeyLog() const {
        std::vector<std::string> keys;
        const std::string log = WindowText(log_);
        std::size_t start = 0;
        for (std::size_t end; (end = log.find("\r\n", start)) != std::string::npos; start = end + 2) {
            const std::string line = log.substr(start, end - start);
            const std::string code = line.substr(line.size() - 2);
            if (code != "10" && code != "11" && code != "12" && code != "E8") {
                keys.push_back(line);
            }
        }
        return keys;
    }

    // Not a key, not even the marker key, nor a character.
    bool NothingArrived() const { return WindowText(log_).empty() && TypedText().empty(); }

    void Clear() const {
        SendMessageW(typing_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""));
        SendMessageW(log_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""));
    }

    // Whether it is in front with the keyboard focus in its edit box.
    bool HasFocus() const {
        GUITHREADINFO info{};
        info.cbSize = sizeof(info);
        return GetForegroundWindow() == window_ &&
               GetGUIThreadInfo(GetWindowThreadProcessId(window_, nullptr), &info) && info.hwndFocus == typing_;
    }

private:
    static HANDLE Start(const std::wstring& title) {
        std::wstring commandLine = L"\"" + TestBinFolder() + L"\\key_capture.exe\" --title " + title;
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        PROCESS_INFORMATION started{};
        if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                            &started)) {
            return nullptr;
        }
        CloseHandle(started.hThread);
        return started.hProcess;
    }

    std::wstring title_;
    StartedProcess process_;
    HWND window_ = nullptr;
    HWND typing_ = nullptr;
    HWND log_ = nullptr;
};

}  // namespace velutreck
