// The controls of the main window that a job reads and locks. frmMain binds them to its real or
// in-memory controls; the transfer engine reads every value at the moment it needs it.
#pragma once

#include "platform/controls.h"
#include "tracklist/media_limits.h"

namespace velutreck {

struct MainWindowControls {
    CheckBox& chkAutoBreak;
    TextBox& txtDiscName;
    ListBox& lstAudioFiles;
    Button& btnAdd;
    Button& btnInsertBreak;
    Button& btnRemove;
    Button& btnRemoveAll;
    Button& btnUp;
    Button& btnDown;
    TextBox& txtAudioProject;
    Button& btnBrowseForAudioProject;
    TextBox& txtTempFolder;
    Button& btnBrowseForTempFolder;
    TextBox& txtImageDrive;
    Button& btnBrowseForImageDrive;
    TextBox& txtSimpleBurner;
    Button& btnBrowseForSimpleBurner;
    ComboBox& cboCompression;
    ComboBox& cboDiscLength;
    TextBox& txtPause;
    CheckBox& chkErase;
    CheckBox& chkNameTracks;
    CheckBox& chkOnlyAlpha;
    CheckBox& chkSendTo;
    Button& btnStartStop;
    Button& btnQuit;
    Button& btnReadme;
    Timer& tmrMaster;
    FormWindow& form;
};

// The MiniDisc the list is measured against, as the Settings tab chooses it.
inline DiscChoice ChosenDisc(const MainWindowControls& controls) {
    return {MiniDiscMinutesAt(controls.cboDiscLength.ListIndex()), controls.cboCompression.ListIndex() == 1};
}

}  // namespace velutreck
