// The main window as frmMain sees it, and the master timer on it.
//
// Unloading destroys the window, which ends the program. A handler that unloads the window (Quit,
// a refused second copy, a tick that gives up) still runs to its end on live controls: the window
// is destroyed when the outermost handler returns.
//
// A master-timer tick never overlaps another and never starts while one of the program's modal
// boxes is open. The timer is killed when a tick starts and set again when it returns, if it is
// still enabled, so the next tick comes one interval after the last one ended.
#pragma once

#include <functional>

#include "platform/controls.h"
#include "platform/win32/modal_state.h"
#include "platform/win32/windows_api.h"

namespace velutreck {

class Win32FormWindow : public FormWindow {
public:
    // The stop button is the one that reads "Stop" while long work runs.
    Win32FormWindow(HWND window, HWND stopButton) : window_(window), stopButton_(stopButton) {}

    std::string Caption() const override;
    void SetCaption(const std::string& caption) override;
    std::uint32_t Handle() const override { return ToWindowHandle(window_); }
    void PaintPending() override;
    bool StopAsked() override;
    void Unload() override;

    bool UnloadRequested() const { return unloadRequested_; }

    // Brackets every call of a handler; the outermost end destroys a window that was unloaded.
    void BeginHandler() { ++handlerDepth_; }
    void EndHandler();

private:
    void Destroy();

    HWND window_;
    HWND stopButton_;
    int handlerDepth_ = 0;
    bool unloadRequested_ = false;
    bool destroyed_ = false;
};

class Win32Timer : public Timer {
public:
    Win32Timer(HWND window, UINT_PTR id, UINT intervalMilliseconds, const ModalState& modal);

    bool Enabled() const override { return enabled_; }
    void SetEnabled(bool enabled) override;

    // WM_TIMER with this timer's id: runs one tick unless one is running or a modal box is open.
    void OnTimer(const std::function<void()>& tick);

private:
    HWND window_;
    UINT_PTR id_;
    UINT interval_;
    const ModalState& modal_;
    bool enabled_ = false;
    bool ticking_ = false;
};

}  // namespace velutreck
