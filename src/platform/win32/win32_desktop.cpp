#include "platform/win32/win32_desktop.h"

#include <algorithm>
#include <optional>

#include "base/failure.h"
#include "platform/win32/answering_wait.h"
#include "platform/win32/integrity_level.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_desktop_activation.h"
#include "platform/win32/win32_desktop_keys.h"
#include "platform/win32/win32_desktop_wait.h"
#include "platform/win32/win32_input_language.h"
#include "platform/win32/windows_api.h"

#include <shellapi.h>

namespace velutreck {

namespace {

std::optional<std::wstring> WidenCriterion(const std::optional<std::string>& criterion) {
    return criterion ? std::optional<std::wstring>(Widen(*criterion)) : std::nullopt;
}

DWORD ProcessOf(HWND window) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    return process;
}

// Why keys typed now would land in the wrong place, or nothing when they would not.
const char* WrongTarget(DWORD intendedProgram) {
    const HWND foreground = GetForegroundWindow();
    const DWORD process = foreground != nullptr ? ProcessOf(foreground) : 0;
    if (process == 0) {
        return "no window has the focus";
    }
    if (process == GetCurrentProcessId()) {
        return "Velutreck's own window has the focus";
    }
    return process != intendedProgram ? "another program's window has the focus" : nullptr;
}

[[noreturn]] void RefuseElevated(DWORD process, const std::string& what) {
    throw Failure(FailureKind::ElevatedProgram, what + ": program " + std::to_string(process) +
                                                    " runs at a higher integrity level than Velutreck.");
}

}  // namespace

// While activation changes hands there may be no foreground window at all for a moment: keys wait
// up to a second for one before they count as having nowhere to go.
void Win32Desktop::AwaitForeground() {
    constexpr ULONGLONG NoForegroundWaitMs = 1000;
    const ULONGLONG until = GetTickCount64() + NoForegroundWaitMs;
    while (GetForegroundWindow() == nullptr && GetTickCount64() < until) {
        Pause(20);
    }
}

// Keys meant for one program must never reach another: not Velutreck's own buttons, nor a window
// that took the focus between two steps. Any window of the program will do (Nero's dialogs).
void Win32Desktop::RefuseUnlessIntended(const KeySequence& keys) {
    if (GetForegroundWindow() == nullptr) {
        AwaitForeground();
    }
    if (const char* reason = WrongTarget(intendedProgram_)) {
        throw Failure(FailureKind::Automation, "The keys \"" + keys.notation + "\" were not typed: " + reason + ".");
    }
}

WindowHandle Win32Desktop::FindWindow(WindowHandle parent, WindowHandle childAfter,
                                      const std::optional<std::string>& className,
                                      const std::optional<std::string>& caption) {
    const std::optional<std::wstring> wideClass = WidenCriterion(className);
    const std::optional<std::wstring> wideCaption = WidenCriterion(caption);
    // FindWindowExW compares the caption the system keeps for every window; it sends no WM_GETTEXT,
    // so a program that does not respond cannot hold up the search.
    return ToWindowHandle(FindWindowExW(ToHwnd(parent), ToHwnd(childAfter), wideClass ? wideClass->c_str() : nullptr,
                                        wideCaption ? wideCaption->c_str() : nullptr));
}

// A posted click must have been handled before the keys that follow it are typed: a key goes to the
// window that has the focus when it is queued, and the click is what gives the field the focus.
// Each message sent to the window's thread returns only once that thread looks at its queue again,
// so after as many round trips as there are messages in flight it has taken them all. A program
// that does not respond is not waited for. While it waits for an answer, this thread answers the
// messages sent to it (SendMessageTimeoutW without SMTO_BLOCK does).
void Win32Desktop::PostMessage(WindowHandle window, std::uint32_t message, std::uint32_t wParam, std::uint32_t lParam) {
    // Posting to no window would post to this thread.
    if (window == 0) {
        return;
    }
    const DWORD process = ProcessOf(ToHwnd(window));
    if (RunsAboveThisProcess(process)) {
        RefuseElevated(process, "A message cannot be posted");
    }
    if (!PostMessageW(ToHwnd(window), message, wParam, static_cast<LPARAM>(lParam))) {
        // User Interface Privilege Isolation refuses a post to a program above Velutreck's level.
        if (GetLastError() == ERROR_ACCESS_DENIED) {
            RefuseElevated(process, "Windows refused a posted message");
        }
        return;
    }
    constexpr UINT RoundTripTimeoutMs = 1000;
    for (int roundTrip = 0; roundTrip < 2; ++roundTrip) {
        DWORD_PTR ignored = 0;
        if (!SendMessageTimeoutW(ToHwnd(window), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, RoundTripTimeoutMs, &ignored)) {
            return;
        }
    }
}

void Win32Desktop::InjectKeys(const KeySequence& keys, bool waited) {
    // An empty sequence (an empty disc name) types nothing, not even the marker key of the wait.
    if (keys.strokes.empty()) {
        return;
    }
    RefuseUnlessIntended(keys);
    HWND foreground = GetForegroundWindow();
    // SendInput reports success even when Windows drops the keys for a program above our level.
    if (RunsAboveThisProcess(ProcessOf(foreground))) {
        RefuseElevated(ProcessOf(foreground), "The keys \"" + keys.notation + "\" were not typed");
    }
    std::optional<LatinLayoutWhileTyping> latin;
    if (foreground != nullptr && NeedsLatinLayout(keys.strokes, WindowKeyboardLayout(foreground))) {
        latin.emplace(foreground, keys.strokes, keys.notation, *this);
    }
    const WindowKeyboardLayout layout(foreground);
    InputMethodClosedWhileTyping inputMethod(foreground);
    // The keys are awaited before anything changed in the program is put back: the input method
    // only once it has taken them, the layout after them in any case.
    std::optional<InputWait> wait;
    if ((waited || latin || inputMethod.Closed()) && foreground != nullptr) {
        wait.emplace(foreground);
    }
    const CapsLockOffWhileTyping capsLockOff(layout, keys.notation, *this);
    const bool textAsUnicode = capsLockOff.StillOn() || inputMethod.StillOpen();
    for (const KeyStroke& stroke : keys.strokes) {
        RefuseUnlessIntended(keys);
        SendBatch(StrokeEvents(stroke, layout, textAsUnicode), keys.notation);
    }
    // A program that takes none of the keys for a while does not respond: the operation stops
    // rather than type more into its queue.
    if (wait && !wait->Complete(WaitedInjectionTimeoutMs)) {
        if (waited) {
            throw Failure(FailureKind::NotResponding,
                          "The keys \"" + keys.notation + "\" were not taken: the program does not respond.");
        }
        return;
    }
    inputMethod.Taken();
}

void Win32Desktop::ActivateByTitle(const std::string& title) {
    HWND window = FindWindowByTitle(Widen(title));
    if (window == nullptr) {
        throw Failure(FailureKind::Automation, "There is no window titled \"" + title + "\" to activate.");
    }
    BringToForeground(window);
    intendedProgram_ = ProcessOf(window);
}

void Win32Desktop::ActivateByTask(TaskId task) {
    HWND window = FindWindowOfProcess(task);
    if (window == nullptr) {
        throw Failure(FailureKind::NoWindow, "The program of task " + std::to_string(task) + " has no window to activate.");
    }
    BringToForeground(window);
    intendedProgram_ = task;
}

// Windows reads an unquoted command line with spaces word by word: "C:\Program Files\Sony\..."
// would first start C:\Program.exe, then C:\Program Files\Sony\Net.exe... A text that names an
// existing file as a whole is started as exactly that file; any other is the command line it is.
TaskId Win32Desktop::StartProgram(const std::string& commandLine) {
    const std::wstring wide = Widen(commandLine);
    const DWORD attributes = GetFileAttributesW(wide.c_str());
    const bool wholeFile = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
    // Without a program name Windows reads an unquoted command line word by word and may run
    // C:\Program.exe; named apart, exactly that file runs. The program still reads its own name
    // from the command line's first word, so the path goes there in quotes. CreateProcessW may
    // write into the command line, so it gets a copy of its own.
    std::wstring writable = wholeFile ? L"\"" + wide + L"\"" : wide;
    writable.push_back(L'\0');
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(wholeFile ? wide.c_str() : nullptr, writable.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &started)) {
        // A program marked "run as administrator" needs a consent that CreateProcess cannot ask for.
        constexpr DWORD ElevationRequired = 740;  // ERROR_ELEVATION_REQUIRED, which MinGW's headers lack
        if (GetLastError() == ElevationRequired) {
            throw Failure(FailureKind::ElevationRequired, "The program \"" + commandLine + "\" requires elevation.");
        }
        throw Failure(FailureKind::Automation, "The program \"" + commandLine + "\" cannot be started.");
    }
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
    intendedProgram_ = started.dwProcessId;
    return started.dwProcessId;
}

// A hung program must not hold the job: the read gives up after two seconds.
std::string Win32Desktop::WindowText(WindowHandle window) {
    const HWND hwnd = ToHwnd(window);
    constexpr UINT Patience = 2000;
    DWORD_PTR length = 0;
    if (!IsWindow(hwnd) ||
        !SendMessageTimeoutW(hwnd, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, Patience, &length)) {
        throw Failure(FailureKind::Automation, "The window's text cannot be read.");
    }
    std::wstring text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutW(hwnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG,
                             Patience, &copied)) {
        throw Failure(FailureKind::Automation, "The window's text cannot be read.");
    }
    text.resize(std::min<std::size_t>(copied, length));
    return Narrow(text);
}

// ShellExecute reports an error as a result of 32 or less, one of its own numbers.
std::string Win32Desktop::ShellOpen(WindowHandle owner, const std::string& file, const std::string& parameters) {
    const std::wstring wideFile = Widen(file);
    const std::wstring wideParameters = Widen(parameters);
    const auto result = reinterpret_cast<INT_PTR>(
        ShellExecuteW(ToHwnd(owner), L"open", wideFile.c_str(), wideParameters.c_str(), nullptr, SW_SHOWNORMAL));
    switch (result) {
    case 0:
    case SE_ERR_OOM:
        return "Windows is out of memory";
    case SE_ERR_FNF:
        return "the file was not found";
    case SE_ERR_PNF:
        return "the folder was not found";
    case SE_ERR_ACCESSDENIED:
        return "access was denied";
    case ERROR_BAD_FORMAT:
        return "the file is not a program Windows can run";
    case SE_ERR_SHARE:
        return "the file is in use";
    case SE_ERR_ASSOCINCOMPLETE:
    case SE_ERR_NOASSOC:
        return "no program is set to open such a file";
    default:
        return result > 32 ? "" : "Windows reported error " + std::to_string(result);
    }
}

bool Win32Desktop::LatinLayoutInstalled() {
    for (HKL layout : InstalledLayouts()) {
        if (HasLatinLetters(WindowKeyboardLayout(layout))) {
            return true;
        }
    }
    return false;
}

// Velutreck's own window keeps painting and answering meanwhile; no click, key or timer of the
// user's reaches it in the middle of a tick.
void Win32Desktop::Pause(std::uint32_t milliseconds) { WaitAnswering(milliseconds); }

// The request belongs to this thread, the one that runs the job, and ends with it.
void Win32Desktop::KeepAwake(bool awake) {
    SetThreadExecutionState(awake ? ES_CONTINUOUS | ES_SYSTEM_REQUIRED | ES_DISPLAY_REQUIRED : ES_CONTINUOUS);
}

}  // namespace velutreck
