// The enhanced tooltips through the common controls' own means: the tips of the main window are
// drawn in the system's tooltip (status) font, wrap at a maximum width, sit centred under the
// mouse pointer and stay on the screen, and a "<c>" or "<r>" text is drawn centred or
// right-aligned without its marker.
#pragma once

#include <optional>

#include "platform/session.h"
#include "platform/win32/tool_tip_registry.h"
#include "platform/win32/windows_api.h"

#include <commctrl.h>

namespace velutreck {

struct TipPlacement {
    int left = 0;
    int top = 0;
};

// Where a tip of this size goes: centred under the pointer, below the cursor, inside the work
// area of the pointer's monitor; above the pointer when there is no room below.
TipPlacement PlaceTip(POINT pointer, int cursorHeight, SIZE tip, const RECT& workArea);

class Win32BubbleTips : public BubbleTips {
public:
    explicit Win32BubbleTips(ToolTipRegistry& tips);
    ~Win32BubbleTips() override;

    // False, and nothing changes, when the tips are installed already.
    bool Install() override;
    // Pixels at 96 dots per inch, scaled to the window's DPI; TipNoWrapWidth does not wrap.
    void SetMaxWidth(int pixels) override;
    void Remove() override;

    // The tooltip's placement and drawing notifications while installed: the result to return to
    // the tooltip, or none for a notification left to the default.
    std::optional<LRESULT> OnNotify(NMHDR& header);
    // The system's fonts or the window's DPI changed.
    void OnMetricsChanged();

private:
    void CreateFont();
    void ApplyMaxWidth();
    LRESULT OnShow();
    LRESULT OnCustomDraw(NMTTCUSTOMDRAW& draw);

    ToolTipRegistry& tips_;
    bool installed_ = false;
    HFONT font_ = nullptr;
    int maxWidth_ = TipNoWrapWidth;
};

}  // namespace velutreck
