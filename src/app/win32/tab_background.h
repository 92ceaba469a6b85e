// What lies behind the labels, check boxes and pictures on the tab pages. With visual styles the
// tab control's page is not the window's colour, so the page is rendered once into a bitmap and
// handed out as a brush lined up with the tab control, and themed buttons that ask their parent
// for the background behind their corners get the same picture.
#pragma once

#include "platform/win32/windows_api.h"

namespace velutreck {

class TabBackground {
public:
    explicit TabBackground(HWND tab) : tab_(tab) {}
    TabBackground(const TabBackground&) = delete;
    TabBackground& operator=(const TabBackground&) = delete;
    ~TabBackground();

    // Renders the tab control as it looks now; again after a size, theme or colour change.
    void Update();
    // The brush for a control on the tab control, its origin set in the control's DC.
    HBRUSH BrushFor(HDC dc, HWND control) const;
    // Paints the tab control's picture into a DC of the tab control's parent.
    void PaintInParent(HDC dc) const;

private:
    void Release();

    HWND tab_;
    HBITMAP bitmap_ = nullptr;
    HBRUSH brush_ = nullptr;
    SIZE size_{};
};

}  // namespace velutreck
