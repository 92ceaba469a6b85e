#include "platform/win32/item_hand_over.h"

#include "platform/win32/answering_wait.h"

namespace velutreck {

namespace {

// Copies started together ("Open with" on several files) find the mutex before the first of them
// has shown its window.
constexpr ULONGLONG WindowWaitMs = 5000;
constexpr DWORD WindowPollMs = 100;

// The running copy's window is shown once it has started. Other copies that are handing their
// items over have a window of the same class too, which they never show: taken there, the items
// would be lost.
HWND RunningCopyWindow() {
    HWND window = nullptr;
    while ((window = FindWindowExW(nullptr, window, MainWindowClassName, nullptr)) != nullptr) {
        DWORD process = 0;
        GetWindowThreadProcessId(window, &process);
        if (process != GetCurrentProcessId() && IsWindowVisible(window)) {
            return window;
        }
    }
    return nullptr;
}

HWND AwaitRunningCopyWindow() {
    const ULONGLONG deadline = GetTickCount64() + WindowWaitMs;
    HWND window = RunningCopyWindow();
    while (window == nullptr && GetTickCount64() < deadline) {
        WaitAnswering(WindowPollMs);
        window = RunningCopyWindow();
    }
    return window;
}

}  // namespace

std::vector<std::string> HandedOverItems(const COPYDATASTRUCT& data) {
    std::vector<std::string> items;
    if (data.dwData != HandOverDataId || data.lpData == nullptr) {
        return items;
    }
    const std::string text(static_cast<const char*>(data.lpData), data.cbData);
    std::size_t start = 0;
    for (std::size_t end = text.find('\0'); end != std::string::npos; end = text.find('\0', start)) {
        items.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return items;
}

LRESULT SendItemsToRunningCopy(const std::vector<std::string>& items) {
    const HWND window = AwaitRunningCopyWindow();
    if (window == nullptr) {
        return 0;
    }
    std::string text;
    for (const std::string& item : items) {
        text += item;
        text += '\0';
    }
    COPYDATASTRUCT data{HandOverDataId, static_cast<DWORD>(text.size()), text.data()};
    DWORD_PTR answer = 0;
    // The running copy only notes the items and answers at once; a copy that hangs is not waited for long.
    if (!SendMessageTimeoutW(window, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data), SMTO_ABORTIFHUNG, 10000,
                             &answer)) {
        return 0;
    }
    return static_cast<LRESULT>(answer);
}

}  // namespace velutreck
