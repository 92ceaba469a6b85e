// One stable id for every control of the main window and every entry of the track list's context
// menu. The Windows layer uses them as child-window and menu ids, so an id never changes once
// given: new controls go at the end of their block.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <utility>

namespace velutreck {

enum class ControlId : std::uint16_t {
    // Below the tabs, in the client area.
    SSTab1 = 1000,
    lblAppName,
    btnStartStop,
    btnQuit,
    btnReadme,

    // Tab "Files".
    Label4,
    Frame4,
    Image1,
    chkAutoBreak,
    Label5,
    txtDiscName,
    lstAudioFiles,
    btnUp,
    btnDown,
    btnAdd,
    btnInsertBreak,
    btnRemove,
    btnRemoveAll,

    // Tab "Settings".
    Label1,
    Frame1,
    Image2,
    lblAudioProject,
    txtAudioProject,
    btnBrowseForAudioProject,
    lblTempFolder,
    txtTempFolder,
    btnBrowseForTempFolder,
    Label10,
    txtImageDrive,
    btnBrowseForImageDrive,
    Label7,
    Frame3,
    Image3,
    Label12,
    txtSimpleBurner,
    btnBrowseForSimpleBurner,
    lblCompression,
    cboCompression,
    lblPause,
    txtPause,
    UpDown1,
    Label2,
    chkErase,
    chkNameTracks,
    chkOnlyAlpha,

    // Tab "About".
    Label3,
    Frame2,
    Image4,
    lblAppName2,
    lblCopyright,
    // Below the tabs, added later.
    lblSummary,

    // Added to tab "Settings" later, after the first ids so that none of those changes.
    Label13,
    Frame5,
    Image5,
    chkSendTo,
    lblDiscLength,
    cboDiscLength,

    // The track list's context menu.
    mnuAdd = 2000,
    mnuInsertBreak,
    mnuRemove,
    mnuRemoveAll,
    mnuSep,
    mnuShiftUp,
    mnuShiftDown,
};

// The ids of the track list's context-menu entries, by the entry names of its menu table.
inline constexpr auto ContextMenuIds = std::to_array<std::pair<std::string_view, ControlId>>({
    {"mnuAdd", ControlId::mnuAdd},
    {"mnuInsertBreak", ControlId::mnuInsertBreak},
    {"mnuRemove", ControlId::mnuRemove},
    {"mnuRemoveAll", ControlId::mnuRemoveAll},
    {"mnuSep", ControlId::mnuSep},
    {"mnuShiftUp", ControlId::mnuShiftUp},
    {"mnuShiftDown", ControlId::mnuShiftDown},
});

}  // namespace velutreck
