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

// The request goes to the window with the keyboard focus in the thread, else its active window.
HWND FocusOf(DWORD thread) {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    if (!GetGUIThreadInfo(thread, &info)) {
        return nullptr;
    }
    return info.hwndFocus != nullptr ? info.hwndFocus : info.hwndActive;
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

// A thread's default IME window answers WM_IME_CONTROL for the input context of that thread's focus;
// the message is sent, so the answer is known before any key goes.
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

// Every thread has a default IME window, whatever its layout; only the input languages that come
// with an input method are touched.
bool HasInputMethod(HWND target) {
    const HKL layout = GetKeyboardLayout(ThreadOf(target));
    const WORD language = PRIMARYLANGID(LOWORD(reinterpret_cast<std::uintptr_t>(layout)));
    return ImmIsIME(layout) || language == LANG_CHINESE || language == LANG_JAPANESE || language == LANG_KOREAN;
}

}  // namespace

LatinLayoutWhileTyping::LatinLayoutWhileTyping(HWND target, const std::vector<KeyStroke>& strokes,
                                               const std::string& notation, Desktop& desktop)
    : thread_(ThreadOf(target)), original_(GetKeyboardLayout(thread_)) {
    const HKL latin = LatinLayout(strokes);
    const HWND focus = FocusOf(thread_);
    if (latin != nullptr && focus != nullptr) {
        // ActivateKeyboardLayout switches only the calling thread; another thread switches when its
        // default window procedure takes this request, later, so the switch is checked, not assumed.
        PostMessageW(focus, WM_INPUTLANGCHANGEREQUEST, 0, reinterpret_cast<LPARAM>(latin));
        for (int check = 0; check < 100 && GetKeyboardLayout(thread_) != latin; ++check) {
            desktop.Pause(20);
        }
        if (GetKeyboardLayout(thread_) == latin) {
            return;
        }
    }
    throw Failure(FailureKind::Automation,
                  "The keys \"" + notation + "\" were not typed: the program's keyboard layout has no Latin letters "
                  "and did not switch to one.");
}

LatinLayoutWhileTyping::~LatinLayoutWhileTyping() {
    // The keys may have closed the window they went to; the thread's focus has moved on.
    const HWND focus = FocusOf(thread_);
    if (taken_ && focus != nullptr) {
        PostMessageW(focus, WM_INPUTLANGCHANGEREQUEST, 0, reinterpret_cast<LPARAM>(original_));
    }
}

InputMethodClosedWhileTyping::InputMethodClosedWhileTyping(HWND target)
    : imeWindow_(target != nullptr && HasInputMethod(target) ? ImmGetDefaultIMEWnd(target) : nullptr) {
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
