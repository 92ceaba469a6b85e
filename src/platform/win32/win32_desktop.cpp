#include "platform/win32/win32_desktop.h"

#include <optional>

#include "base/failure.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_desktop_activation.h"
#include "platform/win32/win32_desktop_keys.h"
#include "platform/win32/win32_desktop_wait.h"
#include "platform/win32/windows_api.h"

#include <shellapi.h>

namespace velutreck {

namespace {

std::optional<std::wstring> WidenCriterion(const std::optional<std::string>& criterion) {
    return criterion ? std::optional<std::wstring>(Widen(*criterion)) : std::nullopt;
}

bool BelongsToThisProcess(HWND window) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    return window != nullptr && process == GetCurrentProcessId();
}

// Keys meant for another program must never press Velutreck's own buttons.
void RefuseOwnWindow(const KeySequence& keys) {
    if (BelongsToThisProcess(GetForegroundWindow())) {
        throw Failure(FailureKind::Automation,
                      "The keys \"" + keys.notation + "\" were not typed: Velutreck's own window has the focus.");
    }
}

}  // namespace

WindowHandle Win32Desktop::FindWindow(WindowHandle parent, WindowHandle childAfter,
                                      const std::optional<std::string>& className,
                                      const std::optional<std::string>& caption) {
    const std::optional<std::wstring> wideClass = WidenCriterion(className);
    const std::optional<std::wstring> wideCaption = WidenCriterion(caption);
    return ToWindowHandle(FindWindowExW(ToHwnd(parent), ToHwnd(childAfter), wideClass ? wideClass->c_str() : nullptr,
                                        wideCaption ? wideCaption->c_str() : nullptr));
}

void Win32Desktop::PostMessage(WindowHandle window, std::uint32_t message, std::uint32_t wParam, std::uint32_t lParam) {
    // Posting to no window would post to this thread.
    if (window != 0) {
        PostMessageW(ToHwnd(window), message, wParam, static_cast<LPARAM>(lParam));
    }
}

void Win32Desktop::InjectKeys(const KeySequence& keys, bool waited) {
    RefuseOwnWindow(keys);
    HWND foreground = GetForegroundWindow();
    const WindowKeyboardLayout layout(foreground);
    std::optional<InputWait> wait;
    if (waited && foreground != nullptr) {
        wait.emplace(foreground);
    }
    const CapsLockOffWhileTyping capsLockOff(layout, keys.notation);
    for (const KeyStroke& stroke : keys.strokes) {
        RefuseOwnWindow(keys);
        SendBatch(StrokeEvents(stroke, layout), keys.notation);
    }
    if (wait) {
        wait->Complete(WaitedInjectionTimeoutMs);
    }
}

void Win32Desktop::ActivateByTitle(const std::string& title) {
    HWND window = FindWindowByTitle(Widen(title));
    if (window == nullptr) {
        throw Failure(FailureKind::Automation, "There is no window titled \"" + title + "\" to activate.");
    }
    BringToForeground(window);
}

void Win32Desktop::ActivateByTask(TaskId task) {
    HWND window = FindWindowOfProcess(task);
    if (window == nullptr) {
        throw Failure(FailureKind::Automation, "The program of task " + std::to_string(task) + " has no window to activate.");
    }
    BringToForeground(window);
}

TaskId Win32Desktop::StartProgram(const std::string& commandLine) {
    // CreateProcessW may write into the command line, so it gets a copy of its own.
    std::wstring writable = Widen(commandLine);
    writable.push_back(L'\0');
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(nullptr, writable.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started)) {
        throw Failure(FailureKind::Automation, "The program \"" + commandLine + "\" cannot be started.");
    }
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
    return started.dwProcessId;
}

void Win32Desktop::ShellOpen(WindowHandle owner, const std::string& file, const std::string& parameters) {
    const std::wstring wideFile = Widen(file);
    const std::wstring wideParameters = Widen(parameters);
    ShellExecuteW(ToHwnd(owner), L"open", wideFile.c_str(), wideParameters.c_str(), nullptr, SW_SHOWNORMAL);
}

void Win32Desktop::Pause(std::uint32_t milliseconds) { Sleep(milliseconds); }

// The request belongs to this thread, the one that runs the job, and ends with it.
void Win32Desktop::KeepAwake(bool awake) {
    SetThreadExecutionState(awake ? ES_CONTINUOUS | ES_SYSTEM_REQUIRED | ES_DISPLAY_REQUIRED : ES_CONTINUOUS);
}

}  // namespace velutreck
