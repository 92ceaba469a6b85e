#include "platform/win32/item_hand_over.h"

namespace velutreck {

namespace {

// The copy's own window has the same class, so the running copy's is the one of another process.
HWND RunningCopyWindow() {
    HWND window = nullptr;
    while ((window = FindWindowExW(nullptr, window, MainWindowClassName, nullptr)) != nullptr) {
        DWORD process = 0;
        GetWindowThreadProcessId(window, &process);
        if (process != GetCurrentProcessId()) {
            return window;
        }
    }
    return nullptr;
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
    const HWND window = RunningCopyWindow();
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
