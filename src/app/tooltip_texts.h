// The help texts shown while the mouse rests on a control. Fifteen are set once at start-up by
// SetToolTips; the four "..." browse buttons carry theirs from the window's creation. No other
// control has a tooltip, and no code changes one afterwards.
#pragma once

#include <array>
#include <functional>
#include <string_view>

#include "app/control_id.h"
#include "platform/controls.h"

namespace velutreck {

struct ToolTipEntry {
    ControlId id;
    std::string_view text;
};

// In the order SetToolTips assigns them.
inline constexpr auto StartUpToolTips = std::to_array<ToolTipEntry>({
    {ControlId::txtAudioProject,
     "Changes to this audio project will not be saved, so it may be reused every time you run Velutreck"},
    {ControlId::txtPause,
     "Set this value higher than the longest time your computer takes to read a full MiniDisc when Simple "
     "Burner initially opens"},
    {ControlId::txtTempFolder,
     "Path to a temp folder where Velutreck can create a temporary image file (Velutreck.nrg)"},
    {ControlId::chkAutoBreak, "Insert a break automatically when adding files"},
    {ControlId::chkErase, "Erase MiniDisc before writing audio files; does not work with protected tracks!"},
    {ControlId::lstAudioFiles,
     "Audio files between breaks will be written to a single Nero image file and resulting MiniDisc group; "
     "for best results, space the breaks to split up your audio files into groups of less than 120 minutes"},
    {ControlId::btnInsertBreak, "Insert break before selected file"},
    {ControlId::btnQuit, "Quit without saving settings"},
    {ControlId::btnReadme, "View Readme.txt"},
    {ControlId::btnRemove, "Remove selected files and breaks"},
    {ControlId::btnRemoveAll, "Remove all files and breaks"},
    {ControlId::btnStartStop, "Save settings and write audio files to MiniDisc"},
    {ControlId::btnAdd, "Browse for audio files; select audio formats supported by Nero"},
    {ControlId::btnUp, "Shift up"},
    {ControlId::btnDown, "Shift down"},
});

// Part of the window's definition: the Windows layer gives them to the buttons when it creates them.
inline constexpr auto BrowseButtonToolTips = std::to_array<ToolTipEntry>({
    {ControlId::btnBrowseForAudioProject, "Browse"},
    {ControlId::btnBrowseForTempFolder, "Browse"},
    {ControlId::btnBrowseForImageDrive, "Browse"},
    {ControlId::btnBrowseForSimpleBurner, "Browse"},
});

using ControlLookup = std::function<Control&(ControlId)>;

// Assigns the start-up tooltips in table order to the controls that controlFor finds.
void SetToolTips(const ControlLookup& controlFor);

}  // namespace velutreck
