#include "rehearsal/operator/operator_actions.h"

#include <stdexcept>

#include "app/layout.h"
#include "base/utf8.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_desktop.h"
#include "platform/win32/win32_desktop_activation.h"
#include "rehearsal/operator/velutreck_process.h"

namespace velutreck::operating {

namespace {

constexpr DWORD FocusTimeoutMs = 10000;

DWORD ProcessOf(HWND window) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    return process;
}

struct BoxSearch {
    DWORD process;
    HWND found;
};

// The operator's keys go to the window in front, as a user's would; the desktop types only into
// the program it last activated, so the operator activates the one in front first.
void Type(const KeySequence& keys) {
    const HWND foreground = GetForegroundWindow();
    if (foreground == nullptr) {
        throw std::runtime_error("No window has the focus to type \"" + keys.notation + "\" into.");
    }
    Win32Desktop desktop;
    desktop.ActivateByTitle(CaptionOf(foreground));
    desktop.InjectKeys(keys, true);
}

}  // namespace

HWND WaitForVelutreck(DWORD timeoutMs) {
    HWND window = nullptr;
    windowtest::Eventually(
        [&] {
            window = FindWindowExW(nullptr, nullptr, L"Velutreck.frmMain", nullptr);
            while (window != nullptr && !IsWindowVisible(window)) {
                window = FindWindowExW(nullptr, window, L"Velutreck.frmMain", nullptr);
            }
            return window != nullptr;
        },
        timeoutMs);
    return window;
}

std::optional<ControlId> ControlNamed(std::string_view name) {
    for (const LayoutControl& control : MainWindowLayout) {
        if (control.name == name) {
            return control.id;
        }
    }
    return std::nullopt;
}

HWND ControlOf(HWND mainWindow, ControlId id) {
    const HWND control = windowtest::ControlOf(mainWindow, id);
    if (control == nullptr) {
        throw std::runtime_error("Velutreck's window has no control " + std::to_string(static_cast<int>(id)) + ".");
    }
    return control;
}

void Press(HWND mainWindow, ControlId id) { PostMessageW(ControlOf(mainWindow, id), BM_CLICK, 0, 0); }

void FocusControl(HWND topLevel, HWND control) {
    BringToForeground(topLevel);
    const DWORD thread = GetWindowThreadProcessId(topLevel, nullptr);
    if (windowtest::FocusOf(thread) != control) {
        // A dialog moves its own focus on request, as the Tab key would.
        PostMessageW(topLevel, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
    }
    if (!windowtest::Eventually(
            [&] { return GetForegroundWindow() == topLevel && windowtest::FocusOf(thread) == control; },
            FocusTimeoutMs)) {
        throw std::runtime_error("\"" + CaptionOf(topLevel) + "\" did not take the keyboard focus.");
    }
}

void TypeText(const std::string& text) {
    KeySequence keys{text, {}};
    for (char32_t character : ToCodePoints(text)) {
        keys.strokes.push_back(KeyStroke{.character = character});
    }
    Type(keys);
}

void TypeKey(NamedKey key, bool shift) { Type(KeySequence{"a key", {KeyStroke{.key = key, .shift = shift}}}); }

void ReplaceFocusedText(const std::string& text) {
    TypeKey(NamedKey::Home);
    TypeKey(NamedKey::End, true);
    TypeText(text);
}

void TypeInto(HWND mainWindow, ControlId id, const std::string& text) {
    const HWND box = ControlOf(mainWindow, id);
    FocusControl(mainWindow, box);
    ReplaceFocusedText(text);
    if (windowtest::TextOf(box) != text) {
        throw std::runtime_error("The text box shows \"" + windowtest::TextOf(box) + "\" instead of \"" + text + "\".");
    }
}

HWND OpenMessageBox(HWND mainWindow) {
    BoxSearch search{ProcessOf(mainWindow), nullptr};
    EnumWindows(
        [](HWND window, LPARAM parameter) -> BOOL {
            auto& wanted = *reinterpret_cast<BoxSearch*>(parameter);
            wchar_t className[16] = {};
            GetClassNameW(window, className, 16);
            if (ProcessOf(window) == wanted.process && IsWindowVisible(window) &&
                lstrcmpW(className, L"#32770") == 0 && CaptionOf(window) == "Velutreck") {
                wanted.found = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::string MessageBoxText(HWND messageBox) { return windowtest::MessageBoxText(messageBox); }

std::string AnswerMessageBox(HWND mainWindow, Answer answer, DWORD timeoutMs) {
    HWND box = nullptr;
    if (!windowtest::Eventually([&] { return (box = OpenMessageBox(mainWindow)) != nullptr; }, timeoutMs)) {
        throw std::runtime_error("Velutreck showed no message box.");
    }
    const std::string text = MessageBoxText(box);
    const HWND button = GetDlgItem(box, answer == Answer::Ok ? IDOK : IDCANCEL);
    if (button == nullptr) {
        throw std::runtime_error("The message box \"" + text + "\" has no such button.");
    }
    PostMessageW(button, BM_CLICK, 0, 0);
    if (!windowtest::Eventually([&] { return !IsWindow(box); }, timeoutMs)) {
        throw std::runtime_error("The message box \"" + text + "\" stayed open.");
    }
    return text;
}

std::string CaptionOf(HWND window) {
    wchar_t text[1024] = {};
    return Narrow(std::wstring_view(text, static_cast<std::size_t>(GetWindowTextW(window, text, 1024))));
}

std::vector<std::string> ListEntries(HWND mainWindow) {
    const HWND list = ControlOf(mainWindow, ControlId::lstAudioFiles);
    std::vector<std::string> entries;
    const LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
    for (LRESULT index = 0; index < count; ++index) {
        std::wstring entry(static_cast<std::size_t>(SendMessageW(list, LB_GETTEXTLEN, index, 0)) + 1, L'\0');
        const LRESULT length = SendMessageW(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(entry.data()));
        entry.resize(length < 0 ? 0 : static_cast<std::size_t>(length));
        entries.push_back(Narrow(entry));
    }
    return entries;
}

bool IsChecked(HWND mainWindow, ControlId id) {
    return SendMessageW(ControlOf(mainWindow, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

}  // namespace velutreck::operating
