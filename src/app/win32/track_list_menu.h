// The track list's context menu, built from its table: the hidden top-level menu "PopUp" that
// carries the entries, each with the id of its ControlId. It opens at the mouse and answers the
// command chosen.
#pragma once

#include <optional>

#include "platform/win32/windows_api.h"
#include "tracklist/context_menu.h"

namespace velutreck {

class TrackListMenu {
public:
    TrackListMenu();
    TrackListMenu(const TrackListMenu&) = delete;
    TrackListMenu& operator=(const TrackListMenu&) = delete;
    ~TrackListMenu();

    // Shows the menu at a point on the screen until the user chooses or dismisses it.
    std::optional<TrackListCommand> Show(HWND owner, POINT screen) const;

private:
    HMENU bar_;
};

}  // namespace velutreck
