#include "app/win32/tab_background.h"

namespace velutreck {

TabBackground::~TabBackground() { Release(); }

void TabBackground::Release() {
    if (brush_) {
        DeleteObject(brush_);
        brush_ = nullptr;
    }
    if (bitmap_) {
        DeleteObject(bitmap_);
        bitmap_ = nullptr;
    }
}

void TabBackground::Update() {
    Release();
    RECT client{};
    GetClientRect(tab_, &client);
    size_ = {client.right, client.bottom};
    if (size_.cx <= 0 || size_.cy <= 0) {
        return;
    }
    const HDC screen = GetDC(nullptr);
    const HDC memory = CreateCompatibleDC(screen);
    bitmap_ = CreateCompatibleBitmap(screen, size_.cx, size_.cy);
    const HGDIOBJ old = SelectObject(memory, bitmap_);
    FillRect(memory, &client, GetSysColorBrush(COLOR_BTNFACE));
    SendMessageW(tab_, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT);
    SelectObject(memory, old);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    brush_ = CreatePatternBrush(bitmap_);
}

HBRUSH TabBackground::BrushFor(HDC dc, HWND control) const {
    if (!brush_) {
        return GetSysColorBrush(COLOR_BTNFACE);
    }
    POINT origin{0, 0};
    MapWindowPoints(tab_, control, &origin, 1);
    SetBrushOrgEx(dc, origin.x, origin.y, nullptr);
    return brush_;
}

void TabBackground::PaintInParent(HDC dc) const {
    if (!bitmap_) {
        return;
    }
    POINT origin{0, 0};
    MapWindowPoints(tab_, GetParent(tab_), &origin, 1);
    const HDC memory = CreateCompatibleDC(dc);
    const HGDIOBJ old = SelectObject(memory, bitmap_);
    BitBlt(dc, origin.x, origin.y, size_.cx, size_.cy, memory, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    DeleteDC(memory);
}

}  // namespace velutreck
