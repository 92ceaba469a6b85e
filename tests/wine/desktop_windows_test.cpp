// Finding, activating, starting and closing other programs' windows for real.
#include <gtest/gtest.h>

#include "support/thrown_failure.h"

#include <filesystem>
#include <memory>
#include <thread>
#include <vector>

#include "base/failure.h"
#include "rehearsal/operator/key_capture_window.h"
#include "rehearsal/operator/velutreck_process.h"
#include "platform/win32/win32_desktop.h"
#include "test_window.h"

namespace velutreck {
namespace {

bool IsForeground(const KeyCaptureWindow& window) { return GetForegroundWindow() == window.Window(); }

TEST(DesktopWindows, ActivationByTitleRestoresTheExactTitleFirstThenTakesAPrefixAndFailsWithoutEither) {
    const KeyCaptureWindow exact(L"Velutreck Probe Alpha");
    const KeyCaptureWindow longer(L"Velutreck Probe Alpha Beta");
    ASSERT_TRUE(exact.Window() && longer.Window());
    Win32Desktop desktop;

    // The longer title lies above, so only the exact match explains the choice.
    desktop.ActivateByTitle(longer.Title());
    ASSERT_TRUE(WaitUntil([&] { return IsForeground(longer); }));
    ShowWindow(exact.Window(), SW_MINIMIZE);
    ASSERT_TRUE(WaitUntil([&] { return IsIconic(exact.Window()) != FALSE; }));
    desktop.ActivateByTitle("velutreck probe ALPHA");
    EXPECT_TRUE(IsForeground(exact));
    EXPECT_FALSE(IsIconic(exact.Window()));

    desktop.ActivateByTitle("Velutreck Probe Alpha B");
    EXPECT_TRUE(IsForeground(longer));

    EXPECT_EQ(KindThrownBy([&] { desktop.ActivateByTitle("Velutreck Probe Gamma"); }), FailureKind::Automation);
    EXPECT_TRUE(IsForeground(longer));
}

TEST(DesktopWindows, FindWindowWalksTheChildrenOfAClassAndPostingToNoWindowReachesNothing) {
    const KeyCaptureWindow target(L"Velutreck Probe Children");
    ASSERT_NE(target.Window(), nullptr);
    Win32Desktop desktop;

    const WindowHandle top = desktop.FindWindow(0, 0, "VelutreckKeyCapture", target.Title());
    EXPECT_EQ(top, ToWindowHandle(target.Window()));
    // Its children: the edit box, then the key log.
    const WindowHandle edit = desktop.FindWindow(top, 0, "Edit", std::nullopt);
    EXPECT_EQ(edit, ToWindowHandle(target.Typing()));
    EXPECT_EQ(desktop.FindWindow(top, edit, "Edit", std::nullopt), 0u);
    const WindowHandle next = desktop.FindWindow(top, edit, std::nullopt, std::nullopt);
    EXPECT_EQ(next, desktop.FindWindow(top, 0, "KeyLog", std::nullopt));
    EXPECT_NE(next, 0u);
    EXPECT_EQ(desktop.FindWindow(0, 0, std::nullopt, "Velutreck Probe Nowhere"), 0u);

    // Win32 would queue a message for no window on this very thread.
    desktop.PostMessage(0, message::Close, 0, 0);
    MSG queued;
    EXPECT_FALSE(PeekMessageW(&queued, reinterpret_cast<HWND>(-1), 0, 0, PM_REMOVE));

    desktop.PostMessage(top, message::Close, 0, 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(target.Window()); }));
}

TEST(DesktopWindows, AProgramStartedFromAnUnquotedPathWithSpacesCanBeActivatedByItsTaskUntilItCloses) {
    // Windows tries "bin\Spaced.exe" first, which must not exist.
    const std::filesystem::path folder = std::filesystem::path(TestBinFolder()) / L"Spaced Folder";
    std::filesystem::create_directories(folder);
    const std::filesystem::path program = folder / L"key capture.exe";
    CopyFileW((TestBinFolder() + L"\\key_capture.exe").c_str(), program.c_str(), FALSE);
    const KeyCaptureWindow other(L"Velutreck Probe Other");
    Win32Desktop desktop;

    const TaskId task = desktop.StartProgram(Narrow(program.wstring()) + " --title Velutreck Probe Spaces");
    const StartedProcess process(task);
    HWND started = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (started = FindKeyCapture(L"Velutreck Probe Spaces")) != nullptr; }));
    DWORD owner = 0;
    GetWindowThreadProcessId(started, &owner);
    EXPECT_EQ(owner, task);

    desktop.ActivateByTitle(other.Title());
    desktop.ActivateByTask(task);
    EXPECT_EQ(GetForegroundWindow(), started);

    process.End(started);
    EXPECT_EQ(KindThrownBy([&] { desktop.ActivateByTask(task); }), FailureKind::NoWindow);
    EXPECT_EQ(KindThrownBy([&] { desktop.StartProgram(Narrow((folder / L"missing.exe").wstring())); }),
              FailureKind::Automation);
}

std::wstring ImageOf(HANDLE process) {
    wchar_t path[MAX_PATH];
    DWORD length = MAX_PATH;
    return QueryFullProcessImageNameW(process, 0, path, &length) ? std::wstring(path, length) : L"";
}

std::wstring CommandLineOf(HWND keyCapture) {
    const HWND holder = FindWindowExW(keyCapture, nullptr, L"Static", nullptr);
    wchar_t text[MAX_PATH * 2] = L"";
    SendMessageW(holder, WM_GETTEXT, std::size(text), reinterpret_cast<LPARAM>(text));
    return text;
}

// Windows reads an unquoted command line word by word: "...\Spaced Folder\key capture.exe" first
// starts "...\Spaced.exe" when there is one. A path that names the file whole starts that file,
// which reads its own name whole, in quotes, as the first word of its command line.
TEST(DesktopWindows, APathThatNamesAFileWholeStartsThatFileNeverAProgramNamedByItsFirstWords) {
    const std::filesystem::path folder = std::filesystem::path(TestBinFolder()) / L"Spaced Folder";
    std::filesystem::create_directories(folder);
    const std::filesystem::path program = folder / L"key capture.exe";
    const std::filesystem::path spy = std::filesystem::path(TestBinFolder()) / L"Spaced.exe";
    CopyFileW((TestBinFolder() + L"\\key_capture.exe").c_str(), program.c_str(), FALSE);
    CopyFileW((TestBinFolder() + L"\\key_capture.exe").c_str(), spy.c_str(), FALSE);
    // The other tests start the unquoted path and need the spy gone, whatever happens here.
    const std::unique_ptr<const std::filesystem::path, void (*)(const std::filesystem::path*)> removeSpy(
        &spy, [](const std::filesystem::path* path) {
            std::error_code ignored;
            std::filesystem::remove(*path, ignored);
        });

    // What a careless start does, under Wine as on Windows.
    std::wstring careless = program.wstring();
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION started{};
    ASSERT_TRUE(CreateProcessW(nullptr, careless.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started));
    CloseHandle(started.hThread);
    {
        const StartedProcess process(started.hProcess);
        EXPECT_TRUE(std::filesystem::equivalent(ImageOf(started.hProcess), spy));
    }

    Win32Desktop desktop;
    const TaskId task = desktop.StartProgram(Narrow(program.wstring()));
    const StartedProcess process(task);
    const HANDLE query = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, task);
    ASSERT_NE(query, nullptr);
    EXPECT_TRUE(std::filesystem::equivalent(ImageOf(query), program));
    CloseHandle(query);
    HWND window = nullptr;
    ASSERT_TRUE(WaitUntil([&] {
        window = windowtest::VisibleWindowOf(task, L"VelutreckKeyCapture");
        return window != nullptr && !CommandLineOf(window).empty();
    }));
    EXPECT_EQ(CommandLineOf(window), L"\"" + program.wstring() + L"\"");
}

// Another program's message (WM_NULL from Windows, a second copy's hand-over) is answered in the
// middle of a pause, so the window never counts as not responding.
TEST(DesktopPause, VelutrecksWindowKeepsPaintingAndAnsweringWhileItWaitsButTakesNoKeyNorTimer) {
    constexpr UINT Question = WM_APP + 5;
    windowtest::TestWindow own;
    std::vector<UINT> handled;
    own.onMessage = [&](UINT message, WPARAM, LPARAM, LRESULT&) {
        if (message == WM_PAINT || message == WM_TIMER || message == WM_KEYDOWN || message == Question) {
            handled.push_back(message);
        }
        return false;
    };
    ShowWindow(own.Window(), SW_SHOWNOACTIVATE);
    SetTimer(own.Window(), 1, 10, nullptr);
    PostMessageW(own.Window(), WM_KEYDOWN, 'A', 0);
    Win32Desktop desktop;

    ULONGLONG answeredAfter = 0;
    std::thread asker = windowtest::AskLater(own.Window(), Question, 50, answeredAfter);
    const ULONGLONG paused = MillisecondsTakenBy([&] { desktop.Pause(1000); });
    asker.join();
    EXPECT_EQ(handled, (std::vector<UINT>{WM_PAINT, Question}));
    EXPECT_LT(answeredAfter, 400u);
    EXPECT_GE(paused, 950u);  // Wine's clock ticks coarsely
    EXPECT_LT(paused, 1700u);
    KillTimer(own.Window(), 1);
}

}  // namespace
}  // namespace velutreck
