// The main window's controls bound for frmMain: a Win32 control on each child window that frmMain,
// the transfer engine or the tooltips reach, the form itself and the master timer.
#pragma once

#include <map>

#include "app/frmMain.h"
#include "app/win32/child_windows.h"
#include "engine/main_window_controls.h"
#include "platform/win32/tool_tip_registry.h"
#include "platform/win32/win32_controls.h"

namespace velutreck {

struct WindowControls {
    WindowControls(const ChildWindows& children, ToolTipRegistry& tips, FormWindow& form, Timer& timer);
    WindowControls(const WindowControls&) = delete;
    WindowControls& operator=(const WindowControls&) = delete;

    Win32CheckBox chkAutoBreak, chkErase, chkNameTracks, chkOnlyAlpha, chkSendTo;
    Win32TextBox txtDiscName, txtAudioProject, txtTempFolder, txtImageDrive, txtSimpleBurner, txtPause;
    Win32ListBox lstAudioFiles;
    Win32ComboBox cboCompression, cboDiscLength;
    Win32Button btnStartStop, btnQuit, btnReadme, btnAdd, btnInsertBreak, btnRemove, btnRemoveAll, btnUp, btnDown;
    Win32Button btnBrowseForAudioProject, btnBrowseForTempFolder, btnBrowseForImageDrive, btnBrowseForSimpleBurner;
    Win32Label lblAppName, lblAppName2, lblCopyright, lblSummary;

    MainWindowControls main;

    // Throws a Control failure for a control that has no Win32 control here.
    Control& ControlFor(ControlId id) const;
    FormControls Bind();

private:
    std::map<ControlId, Control*> byId_;
};

}  // namespace velutreck
