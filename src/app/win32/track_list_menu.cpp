#include "app/win32/track_list_menu.h"

#include <algorithm>

#include "app/control_id.h"
#include "base/failure.h"
#include "platform/win32/wide_text.h"

namespace velutreck {

namespace {

UINT MenuId(const MenuEntry& entry) {
    const auto found = std::ranges::find(ContextMenuIds, entry.name, &std::pair<std::string_view, ControlId>::first);
    if (found == ContextMenuIds.end()) {
        throw Failure(FailureKind::Control, "The menu entry " + std::string(entry.name) + " has no id.");
    }
    return static_cast<UINT>(found->second);
}

}  // namespace

TrackListMenu::TrackListMenu() : bar_(CreateMenu()) {
    const HMENU popUp = CreatePopupMenu();
    for (const MenuEntry& entry : ContextMenuEntries) {
        if (entry.caption == "-") {
            AppendMenuW(popUp, MF_SEPARATOR, MenuId(entry), nullptr);
        } else {
            AppendMenuW(popUp, MF_STRING, MenuId(entry), Widen(entry.caption).c_str());
        }
    }
    AppendMenuW(bar_, MF_POPUP, reinterpret_cast<UINT_PTR>(popUp), Widen(PopUpMenu.caption).c_str());
}

TrackListMenu::~TrackListMenu() { DestroyMenu(bar_); }

std::optional<TrackListCommand> TrackListMenu::Show(HWND owner, POINT screen) const {
    const UINT chosen = static_cast<UINT>(TrackPopupMenu(GetSubMenu(bar_, 0), TPM_LEFTALIGN | TPM_TOPALIGN |
                                                             TPM_RIGHTBUTTON | TPM_RETURNCMD | TPM_NONOTIFY,
                                                         screen.x, screen.y, 0, owner, nullptr));
    for (const MenuEntry& entry : ContextMenuEntries) {
        if (entry.command && MenuId(entry) == chosen) {
            return entry.command;
        }
    }
    return std::nullopt;
}

}  // namespace velutreck
