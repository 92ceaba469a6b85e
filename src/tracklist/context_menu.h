// The track list's context menu as data: the hidden top-level menu that carries it and its entries
// in the order they are shown, each with the command it runs. A right-button press on the list
// opens it without changing the selection, so its commands act on the entry selected before.
#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "base/int16.h"

namespace velutreck {

enum class TrackListCommand { Add, InsertBreak, Remove, RemoveAll, ShiftUp, ShiftDown };

struct MenuEntry {
    std::string_view name;
    std::string_view caption;
    std::optional<TrackListCommand> command;  // none for the separator and the top-level menu
};

// The mouse button (right) whose press on the list opens the menu.
inline constexpr Int16 ContextMenuButton = 2;

inline constexpr MenuEntry PopUpMenu{"mnuPopUp", "PopUp", std::nullopt};

inline constexpr std::array ContextMenuEntries{
    MenuEntry{"mnuAdd", "Add...", TrackListCommand::Add},
    MenuEntry{"mnuInsertBreak", "Insert Break", TrackListCommand::InsertBreak},
    MenuEntry{"mnuRemove", "Remove", TrackListCommand::Remove},
    MenuEntry{"mnuRemoveAll", "Remove All", TrackListCommand::RemoveAll},
    MenuEntry{"mnuSep", "-", std::nullopt},
    MenuEntry{"mnuShiftUp", "Shift Up", TrackListCommand::ShiftUp},
    MenuEntry{"mnuShiftDown", "Shift Down", TrackListCommand::ShiftDown},
};

}  // namespace velutreck
