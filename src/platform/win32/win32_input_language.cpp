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

// Since Windows 8 LoadKeyboardLayoutW "has no effect if the current process does not own the window
// with keyboard focus": only a layout the user has installed can be asked for.
HKL LatinLayout(const std::vector<KeyStroke>& strokes) {
    for (HKL candidate : InstalledLayouts()) {
        if (!NeedsLatinLayout(strokes, WindowKeyboardLayout(candidate))) {
            return candidate;
        }
    }
    return nullptr;
}

// SPI_GETTHREADLOCALINPUTSETTINGS, from Windows 8 on: whether the user asked for one input method
// per app window. Before Windows 8, where the query fails, the language was always per thread.
bool LanguagePerWindow() {
    constexpr UINT GetThreadLocalInputSettings = 0x104E;
    BOOL perWindow = FALSE;
    return !SystemParametersInfoW(GetThreadLocalInputSettings, 0, &perWindow, 0) || perWindow != FALSE;
}

void AwaitLayout(DWORD thread, HKL layout, Desktop& desktop) {
    for (int check = 0; check < 100 && GetKeyboardLayout(thread) != layout; ++check) {
        desktop.Pause(20);
    }
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

// Every thread has a default IME window, whatever its layout; an input method that cannot be
// closed forces text to Unicode only where the language comes with an IME, so that a plain layout
// whose status means nothing keeps its keys.
bool HasImeLanguage(HWND target) {
    const HKL layout = GetKeyboardLayout(ThreadOf(target));
    const WORD language = PRIMARYLANGID(LOWORD(reinterpret_cast<std::uintptr_t>(layout)));
    return ImmIsIME(layout) || language == LANG_CHINESE || language == LANG_JAPANESE || language == LANG_KOREAN;
}

}  // namespace

std::vector<HKL> InstalledLayouts() {
    const int count = GetKeyboardLayoutList(0, nullptr);
    std::vector<HKL> installed(static_cast<std::size_t>(count > 0 ? count : 0));
    installed.resize(static_cast<std::size_t>(GetKeyboardLayoutList(count, installed.data())));
    return installed;
}

LatinLayoutWhileTyping::LatinLayoutWhileTyping(HWND target, const std::vector<KeyStroke>& strokes,
                                               const std::string& notation, Desktop& desktop)
    : desktop_(desktop), thread_(ThreadOf(target)), original_(GetKeyboardLayout(thread_)),
      perWindow_(LanguagePerWindow()) {
    const HKL latin = LatinLayout(strokes);
    const HWND focus = FocusOf(thread_);
    if (latin != nullptr && focus != nullptr) {
        // ActivateKeyboardLayout switches only the calling thread; another thread switches when its
        // default window procedure takes this request, later, so the switch is checked, not assumed.
        PostMessageW(focus, WM_INPUTLANGCHANGEREQUEST, 0, reinterpret_cast<LPARAM>(latin));
        AwaitLayout(thread_, latin, desktop_);
        if (GetKeyboardLayout(thread_) == latin) {
            return;
        }
        // Should the program take the request later, it takes this one right after it.
        PostMessageW(focus, WM_INPUTLANGCHANGEREQUEST, 0, reinterpret_cast<LPARAM>(original_));
    }
    throw Failure(FailureKind::Automation,
                  "The keys \"" + notation + "\" were not typed: the program's keyboard layout has no Latin letters "
                  "and did not switch to one.");
}

// Through the program's thread; with one language for the desktop, through the thread that has the
// keyboard focus now (the keys may have closed the program's window), since only that one can
// change it. Keys still queued in a program that did not take them are ones Velutreck has given
// up on: the request is handled before them, and a shortcut then opens nothing.
LatinLayoutWhileTyping::~LatinLayoutWhileTyping() {
    HWND focus = FocusOf(perWindow_ ? thread_ : 0);
    // While the focus changes hands no thread has it, for a moment.
    for (int check = 0; !perWindow_ && focus == nullptr && check < 50; ++check) {
        desktop_.Pause(20);
        focus = FocusOf(0);
    }
    // One language per window: a program that has ended took its language with it.
    if (focus == nullptr) {
        return;
    }
    const DWORD thread = ThreadOf(focus);
    if (thread == GetCurrentThreadId()) {
        // Velutreck's own window has the focus, and its posted messages wait for the tick to end.
        ActivateKeyboardLayout(original_, 0);
        return;
    }
    PostMessageW(focus, WM_INPUTLANGCHANGEREQUEST, 0, reinterpret_cast<LPARAM>(original_));
    // The next sequence is worked out for the layout it finds there.
    if (!IsHungAppWindow(focus)) {
        AwaitLayout(thread, original_, desktop_);
    }
}

InputMethodClosedWhileTyping::InputMethodClosedWhileTyping(HWND target)
    : imeWindow_(target != nullptr ? ImmGetDefaultIMEWnd(target) : nullptr) {
    if (imeWindow_ == nullptr || OpenStatus(imeWindow_) != true) {
        return;
    }
    SetOpenStatus(imeWindow_, false);
    closed_ = OpenStatus(imeWindow_) == false;
    stillOpen_ = !closed_ && HasImeLanguage(target);
}

InputMethodClosedWhileTyping::~InputMethodClosedWhileTyping() {
    if (closed_ && taken_) {
        SetOpenStatus(imeWindow_, true);
    }
}

}  // namespace velutreck
