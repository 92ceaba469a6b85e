#include "windows_stand_in_host.h"

#include <algorithm>
#include <exception>
#include <utility>
#include <vector>

#include "base/failure.h"
#include "platform/audio_header_length.h"
#include "platform/win32/wide_text.h"
#include "virtual_drive_keeper.h"

namespace velutreck {

namespace {

constexpr wchar_t TimerClass[] = L"VelutreckStandInTimers";

}  // namespace

WindowsStandInHost::WindowsStandInHost(StandInState& state, std::string programName, Residency residency)
    : state_(state), programName_(std::move(programName)), residency_(residency) {
    WNDCLASSEXW timerClass{};
    timerClass.cbSize = sizeof(timerClass);
    timerClass.lpfnWndProc = &TimerProc;
    timerClass.hInstance = GetModuleHandleW(nullptr);
    timerClass.lpszClassName = TimerClass;
    RegisterClassExW(&timerClass);
    // A message-only window: it carries the timers without being a window of the program that
    // anyone could find or activate.
    timerWindow_ = CreateWindowExW(0, TimerClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                   GetModuleHandleW(nullptr), this);
}

WindowsStandInHost::~WindowsStandInHost() {
    ended_ = true;
    if (IsWindow(timerWindow_)) {
        DestroyWindow(timerWindow_);
    }
}

int WindowsStandInHost::Run(StandIn& standIn, const std::string& arguments) {
    standIn_ = &standIn;
    Deliver([&] { standIn.Start(*this, arguments); });
    return MessageLoop();
}

// Posted messages are taken from the queue apart from typed input, so that a key message can be
// told apart: posted ones are messages for the stand-in, typed ones are keys. Posted messages
// come first, as they would from GetMessage.
int WindowsStandInHost::MessageLoop() {
    for (;;) {
        MSG message{};
        const bool posted = PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE | PM_QS_POSTMESSAGE);
        if (!posted && !PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE | PM_QS_INPUT | PM_QS_PAINT)) {
            MsgWaitForMultipleObjectsEx(0, nullptr, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
            continue;
        }
        if (message.message == WM_QUIT) {
            return static_cast<int>(message.wParam);
        }
        dispatchingPosted_ = posted;
        TranslateMessage(&message);
        DispatchMessageW(&message);
        dispatchingPosted_ = false;
    }
}

void WindowsStandInHost::RunAfter(std::uint32_t milliseconds, std::function<void()> action) {
    if (ended_) {
        return;
    }
    const UINT_PTR timer = nextTimer_++;
    timers_[timer] = std::move(action);
    SetTimer(timerWindow_, timer, milliseconds, nullptr);
}

LRESULT CALLBACK WindowsStandInHost::TimerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
    }
    auto* host = reinterpret_cast<WindowsStandInHost*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message != WM_TIMER || host == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    KillTimer(window, wParam);
    const auto timer = host->timers_.find(wParam);
    if (timer != host->timers_.end()) {
        const std::function<void()> action = std::move(timer->second);
        host->timers_.erase(timer);
        host->Deliver(action);
    }
    return 0;
}

// Nothing the stand-in throws may cross into Windows: the failure is noted and the program ends,
// as a program that crashed would.
void WindowsStandInHost::Deliver(const std::function<void()>& delivery) {
    if (ended_) {
        return;
    }
    try {
        delivery();
    } catch (const std::exception& failure) {
        state_.AppendToLog(programName_ + ": failed: " + failure.what());
        ExitProgram();
    }
}

void WindowsStandInHost::ExitProgram() {
    if (ended_) {
        return;
    }
    ended_ = true;
    timers_.clear();
    std::vector<HWND> topLevel;
    for (const auto& [window, hosted] : hosted_) {
        if ((GetWindowLongPtrW(window, GWL_STYLE) & WS_CHILD) == 0) {
            topLevel.push_back(window);
        }
    }
    for (HWND window : topLevel) {
        DestroyWindow(window);
    }
    if (residency_ == Residency::EndsWithStandIn) {
        PostQuitMessage(0);
    }
}

void WindowsStandInHost::Note(const std::string& text) {
    if (!state_.AppendToLog(text)) {
        throw Failure(FailureKind::FileSystem, "Cannot write to the log \"" + state_.LogFile() + "\".");
    }
}

void WindowsStandInHost::WriteFileAfterZeros(const std::string& path, std::uint64_t zeros, const std::string& tail) {
    HANDLE file = CreateFileW(Widen(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    LARGE_INTEGER end{};
    end.QuadPart = static_cast<LONGLONG>(zeros);
    DWORD written = 0;
    // Writing past the end of a file fills the gap with zeros.
    const bool done = file != INVALID_HANDLE_VALUE && SetFilePointerEx(file, end, nullptr, FILE_BEGIN) &&
                      ::WriteFile(file, tail.data(), static_cast<DWORD>(tail.size()), &written, nullptr) &&
                      written == tail.size();
    if (file != INVALID_HANDLE_VALUE) {
        CloseHandle(file);
    }
    if (!done) {
        throw Failure(FailureKind::FileSystem, "Cannot write \"" + path + "\".");
    }
}

std::optional<std::chrono::milliseconds> WindowsStandInHost::PlayingTime(const std::string& path) {
    const auto size = files_.FileSize(path);
    if (!size) {
        return std::nullopt;
    }
    const auto headerBytes = static_cast<std::size_t>(std::min<std::uint64_t>(*size, AudioHeaderBytes));
    const auto start = files_.ReadFileRange(path, 0, headerBytes);
    return start ? AudioHeaderLength(*start, *size) : std::nullopt;
}

void WindowsStandInHost::WriteDrive(const VirtualDrive& drive) { HandToResidentDrive(drive); }

std::vector<std::string> WindowsStandInHost::CdDriveRoots() {
    std::vector<std::string> roots;
    wchar_t drives[256] = {};
    const DWORD length = GetLogicalDriveStringsW(static_cast<DWORD>(std::size(drives)), drives);
    for (const wchar_t* root = drives; length > 0 && length < std::size(drives) && *root != L'\0'; root += wcslen(root) + 1) {
        if (GetDriveTypeW(root) == DRIVE_CDROM) {
            roots.push_back(Narrow(root));
        }
    }
    return roots;
}

}  // namespace velutreck
