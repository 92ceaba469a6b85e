#include "platform/win32/win32_input_language.h"

#include <imm.h>

#include <optional>

#include "base/failure.h"
#include "platform/win32/win32_desktop_keys.h"

namespace velutreck {

namespace {

// From the Windows SDK's ime.h, which MinGW-w64 does not ship.
constexpr WPARAM ImcGetOpenStatus = 0x0005;
constexpr WPARAM ImcSetOpenStatus = 0x0006;
constexpr UINT AnswerTimeoutMs = 1000;

DWORD ThreadOf(HWND window) { return GetWindowThreadProcessId(window, nullptr); }

// The request is posted to the window with the keyboard focus in the target's thread.
HWND FocusOf(HWND target) {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    return GetGUIThreadInfo(ThreadOf(target), &info) && info.hwndFocus != nullptr ? info.hwndFocus : target;
}

// A layout the user already has that types every letter of the shortcuts, else US English, loaded
// without telling the shell so that the language bar does not change.
HKL LatinLayout(const std::vector<KeyStroke>& strokes) {
    const int count = GetKeyboardLayoutList(0, nullptr);
    std::vector<HKL> loaded(static_cast<std::size_t>(count > 0 ? count : 0));
    loaded.resize(static_cast<std::size_t>(GetKeyboardLayoutList(count, loaded.data())));
    for (HKL candidate : loaded) {
        if (!NeedsLatinLayout(strokes, WindowKeyboardLayout(candidate))) {
            return candidate;
        }
    }
    return LoadKeyboardLayoutW(L"00000409", KLF_NOTELLSHELL);
}

std::optional<bool> OpenStatus(HWND imeWindow) {
    DWORD_PTR open = 0;
    if (!SendMessageTimeoutW(imeWindow, WM_IME_CONTROL, ImcGetOpenStatus, 0, SMTO_ABORTIFHUNG, AnswerTimeoutMs, &open)) {
        return std::nullopt;
    }
    return open != 0;
}

void SetOpenStatus(HWND imeWindow, bool open) {
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(imeWindow, WM_IME_CONTROL, ImcSetOpenStatus, open ? 1 : 0, SMTO_ABORTIFHUNG, AnswerTimeoutMs,
                        &ignored);
}

}  // namespace

LatinLayoutWhileTyping::LatinLayoutWhileTyping(HWND target, const std::vector<KeyStroke>& strokes,
                                               const std::string& notation, Desktop& desktop)
    : focus_(FocusOf(target)), original_(GetKeyboardLayout(ThreadOf(target))) {
    const HKL latin = LatinLayout(strokes);
    if (latin != nullptr) {
        PostMessageW(focus_, WM_INPUTLANGCHANGEREQUEST, 0, reinterpret_cast<LPARAM>(latin));
        for (int check = 0; check < 100 && GetKeyboardLayout(ThreadOf(target)) != latin; ++check) {
            desktop.Pause(20);
        }
        if (GetKeyboardLayout(ThreadOf(target)) == latin) {
            return;
        }
    }
    throw Failure(FailureKind::Automation,
                  "The keys \"" + notation + "\" were not typed: the program's keyboard layout has no Latin letters "
                  "and did not switch to one.");
}

LatinLayoutWhileTyping::~LatinLayoutWhileTyping() {
    if (taken_) {
        PostMessageW(focus_, WM_INPUTLANGCHANGEREQUEST, 0, reinterpret_cast<LPARAM>(original_));
    }
}

InputMethodClosedWhileTyping::InputMethodClosedWhileTyping(HWND target) : imeWindow_(ImmGetDefaultIMEWnd(target)) {
    if (imeWindow_ == nullptr || OpenStatus(imeWindow_) != true) {
        return;
    }
    SetOpenStatus(imeWindow_, false);
    closed_ = OpenStatus(imeWindow_) == false;
    stillOpen_ = !closed_;
}

InputMethodClosedWhileTyping::~InputMethodClosedWhileTyping() {
    if (closed_ && taken_) {
        SetOpenStatus(imeWindow_, true);
    }
}

}  // namespace velutreck
