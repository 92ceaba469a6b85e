// The main window's one tooltip control and the tooltip texts of its controls. Each control is a
// tool of its own (the tooltip subclasses it to see the mouse); the tooltip asks the owner window
// for a tool's text each time it shows it, so the text given here is always the one shown, without
// its alignment marker while the enhanced tooltips are installed.
#pragma once

#include <map>
#include <string>

#include "platform/tip_layout.h"
#include "platform/win32/windows_api.h"

namespace velutreck {

class ToolTipRegistry {
public:
    // Creates the tooltip control, owned by the window that holds the tools.
    explicit ToolTipRegistry(HWND owner);
    ToolTipRegistry(const ToolTipRegistry&) = delete;
    ToolTipRegistry& operator=(const ToolTipRegistry&) = delete;

    HWND Window() const { return tooltip_; }
    HWND Owner() const { return owner_; }

    // Registers the control as a tool on its first text; an empty text shows no tip.
    void SetText(HWND tool, const std::string& text);
    std::string Text(HWND tool) const;

    // Whether "<c>" and "<r>" at the start of a text are read as alignment markers and left out
    // of the shown text.
    void SetMarkersRead(bool read) { markersRead_ = read; }
    // The alignment of the tool's text, read from its marker.
    TipAlignment Alignment(HWND tool) const;
    // The tool the tooltip is showing now, or none.
    HWND CurrentTool() const;

    // TTN_GETDISPINFOW from the tooltip: fills in the text to show. False for other notifications.
    bool OnNotify(NMHDR& header);

private:
    HWND owner_;
    HWND tooltip_;
    std::map<HWND, std::string> texts_;
    std::wstring shown_;  // the text handed to the tooltip last; it copies it at once
    bool markersRead_ = false;
};

}  // namespace velutreck
