#include "platform/win32/win32_form.h"

#include "platform/win32/win32_controls.h"

namespace velutreck {

std::string Win32FormWindow::Caption() const { return ReadWindowText(window_); }

void Win32FormWindow::SetCaption(const std::string& caption) { WriteWindowText(window_, caption); }

// WM_PAINT alone is taken from the queue; PeekMessage also handles what other threads send meanwhile,
// and Windows does not take a thread that calls it within 5 s as hung. A window that never
// validates its area would get WM_PAINT for ever, so the round is bounded.
void Win32FormWindow::PaintPending() {
    MSG message;
    for (int round = 0; round < 100 && PeekMessageW(&message, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE); ++round) {
        DispatchMessageW(&message);
    }
}

// The stop button's clicks are taken from the queue, and so are the keys typed meanwhile, as the
// window takes no input during the work: an Esc left waiting would press Quit once it is done.
bool Win32FormWindow::StopAsked() {
    bool asked = false;
    MSG message;
    // A null window would take every window's clicks.
    while (stopButton_ != nullptr && PeekMessageW(&message, stopButton_, WM_LBUTTONDOWN, WM_LBUTTONDBLCLK, PM_REMOVE)) {
        asked = asked || message.message == WM_LBUTTONUP;
    }
    while (PeekMessageW(&message, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE)) {
        asked = asked || (message.message == WM_KEYDOWN && message.wParam == VK_ESCAPE);
    }
    return asked;
}

void Win32FormWindow::Unload() {
    unloadRequested_ = true;
    if (handlerDepth_ == 0) {
        Destroy();
    }
}

void Win32FormWindow::EndHandler() {
    if (--handlerDepth_ == 0 && unloadRequested_) {
        Destroy();
    }
}

void Win32FormWindow::Destroy() {
    if (!destroyed_) {
        destroyed_ = true;
        DestroyWindow(window_);
    }
}

Win32Timer::Win32Timer(HWND window, UINT_PTR id, UINT intervalMilliseconds, const ModalState& modal)
    : window_(window), id_(id), interval_(intervalMilliseconds), modal_(modal) {}

void Win32Timer::SetEnabled(bool enabled) {
    if (enabled == enabled_) {
        return;
    }
    enabled_ = enabled;
    // During a tick the timer is off already; the tick's end sets it again if it is still enabled.
    if (ticking_) {
        return;
    }
    if (enabled) {
        SetTimer(window_, id_, interval_, nullptr);
    } else {
        KillTimer(window_, id_);
    }
}

void Win32Timer::OnTimer(const std::function<void()>& tick) {
    if (ticking_ || modal_.Open() || !enabled_) {
        return;
    }
    ticking_ = true;
    KillTimer(window_, id_);
    struct TickEnd {
        Win32Timer& timer;
        ~TickEnd() {
            timer.ticking_ = false;
            if (timer.enabled_ && IsWindow(timer.window_)) {
                SetTimer(timer.window_, timer.id_, timer.interval_, nullptr);
            }
        }
    } tickEnd{*this};
    tick();
}

}  // namespace velutreck
