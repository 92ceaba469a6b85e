#include "platform/win32/bubble_tips.h"

#include <algorithm>

#include <commctrl.h>

#include "platform/win32/window_dpi.h"

namespace velutreck {

namespace {

// Below the pointer by about a cursor's height, as the common controls place their own tips.
constexpr int CursorHeightAtDesignDpi = 20;

UINT AlignmentFlag(TipAlignment alignment) {
    switch (alignment) {
    case TipAlignment::Centre: return DT_CENTER;
    case TipAlignment::Right: return DT_RIGHT;
    case TipAlignment::Left: break;
    }
    return DT_LEFT;
}

}  // namespace

TipPlacement PlaceTip(POINT pointer, int cursorHeight, SIZE tip, const RECT& workArea) {
    const int workWidth = workArea.right - workArea.left;
    const int left = workArea.left + TipLeft(pointer.x - workArea.left, tip.cx, workWidth);
    int top = pointer.y + cursorHeight;
    if (top + tip.cy > workArea.bottom) {
        top = pointer.y - tip.cy;
    }
    return {left, std::max(top, static_cast<int>(workArea.top))};
}

Win32BubbleTips::Win32BubbleTips(ToolTipRegistry& tips) : tips_(tips) {}

Win32BubbleTips::~Win32BubbleTips() {
    if (font_) {
        DeleteObject(font_);
    }
}

bool Win32BubbleTips::Install() {
    if (installed_) {
        return false;
    }
    installed_ = true;
    tips_.SetMarkersRead(true);
    CreateFont();
    maxWidth_ = TipNoWrapWidth;
    ApplyMaxWidth();
    return true;
}

void Win32BubbleTips::SetMaxWidth(int pixels) {
    maxWidth_ = pixels;
    ApplyMaxWidth();
}

void Win32BubbleTips::Remove() {
    if (!installed_) {
        return;
    }
    installed_ = false;
    tips_.SetMarkersRead(false);
    if (IsWindow(tips_.Window())) {
        SendMessageW(tips_.Window(), WM_SETFONT, 0, TRUE);
        SendMessageW(tips_.Window(), TTM_SETMAXTIPWIDTH, 0, -1);
    }
    if (font_) {
        DeleteObject(font_);
        font_ = nullptr;
    }
}

void Win32BubbleTips::OnMetricsChanged() {
    if (installed_) {
        CreateFont();
        ApplyMaxWidth();
    }
}

void Win32BubbleTips::CreateFont() {
    const NONCLIENTMETRICSW metrics = NonClientMetricsForDpi(WindowDpi(tips_.Owner()));
    const HFONT font = CreateFontIndirectW(&metrics.lfStatusFont);
    SendMessageW(tips_.Window(), WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    if (font_) {
        DeleteObject(font_);
    }
    font_ = font;
}

void Win32BubbleTips::ApplyMaxWidth() {
    const int width = maxWidth_ == TipNoWrapWidth ? -1 : ScaleForDpi(maxWidth_, WindowDpi(tips_.Owner()));
    SendMessageW(tips_.Window(), TTM_SETMAXTIPWIDTH, 0, width);
}

std::optional<LRESULT> Win32BubbleTips::OnNotify(NMHDR& header) {
    if (!installed_ || header.hwndFrom != tips_.Window()) {
        return std::nullopt;
    }
    if (header.code == TTN_SHOW) {
        return OnShow();
    }
    if (header.code == NM_CUSTOMDRAW) {
        return OnCustomDraw(reinterpret_cast<NMTTCUSTOMDRAW&>(header));
    }
    return std::nullopt;
}

// The tip already has its size; only its place changes.
LRESULT Win32BubbleTips::OnShow() {
    RECT tipRect{};
    POINT pointer{};
    GetWindowRect(tips_.Window(), &tipRect);
    GetCursorPos(&pointer);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(MonitorFromPoint(pointer, MONITOR_DEFAULTTONEAREST), &monitor);
    const SIZE size{tipRect.right - tipRect.left, tipRect.bottom - tipRect.top};
    const int cursorHeight = ScaleForDpi(CursorHeightAtDesignDpi, WindowDpi(tips_.Owner()));
    const TipPlacement place = PlaceTip(pointer, cursorHeight, size, monitor.rcWork);
    SetWindowPos(tips_.Window(), nullptr, place.left, place.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return TRUE;
}

// The text is measured to the pixel, so a last glyph that reaches past its advance would be cut
// off at the right: it is drawn unclipped.
LRESULT Win32BubbleTips::OnCustomDraw(NMTTCUSTOMDRAW& draw) {
    if (draw.nmcd.dwDrawStage == CDDS_PREPAINT) {
        draw.uDrawFlags = (draw.uDrawFlags & ~static_cast<UINT>(DT_CENTER | DT_RIGHT)) | DT_NOCLIP |
                          AlignmentFlag(tips_.Alignment(tips_.CurrentTool()));
    }
    return CDRF_DODEFAULT;
}

}  // namespace velutreck
