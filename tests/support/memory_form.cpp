#include "support/memory_form.h"

#include <stdexcept>

namespace velutreck {

void SessionFormWindow::Unload() {
    if (unloaded_) {
        return;
    }
    unloaded_ = true;
    if (onUnload) {
        onUnload();
    }
}

MemoryForm::MemoryForm(std::uint32_t handle)
    : form(handle),
      main{chkAutoBreak,      txtDiscName,
           lstAudioFiles,     btnAdd,
           btnInsertBreak,    btnRemove,
           btnRemoveAll,      btnUp,
           btnDown,           txtAudioProject,
           btnBrowseForAudioProject, txtTempFolder,
           btnBrowseForTempFolder,   txtImageDrive,
           btnBrowseForImageDrive,   txtSimpleBurner,
           btnBrowseForSimpleBurner, cboCompression,
           cboDiscLength,     txtPause,          chkErase,
           chkNameTracks,     chkOnlyAlpha,
           chkSendTo,         btnStartStop,      btnQuit,
           btnReadme,         tmrMaster,
           form} {
    btnStartStop.SetCaption("&Start");
    btnQuit.SetCaption("Q&uit");
    btnReadme.SetCaption("&Help");
    chkAutoBreak.SetValue(1);
    txtDiscName.SetText("Velutreck Disc");
}

Control& MemoryForm::ControlFor(ControlId id) {
    switch (id) {
    case ControlId::chkAutoBreak: return chkAutoBreak;
    case ControlId::chkErase: return chkErase;
    case ControlId::chkNameTracks: return chkNameTracks;
    case ControlId::chkOnlyAlpha: return chkOnlyAlpha;
    case ControlId::chkSendTo: return chkSendTo;
    case ControlId::txtDiscName: return txtDiscName;
    case ControlId::txtAudioProject: return txtAudioProject;
    case ControlId::txtTempFolder: return txtTempFolder;
    case ControlId::txtImageDrive: return txtImageDrive;
    case ControlId::txtSimpleBurner: return txtSimpleBurner;
    case ControlId::txtPause: return txtPause;
    case ControlId::lstAudioFiles: return lstAudioFiles;
    case ControlId::cboCompression: return cboCompression;
    case ControlId::cboDiscLength: return cboDiscLength;
    case ControlId::btnStartStop: return btnStartStop;
    case ControlId::btnQuit: return btnQuit;
    case ControlId::btnReadme: return btnReadme;
    case ControlId::btnAdd: return btnAdd;
    case ControlId::btnInsertBreak: return btnInsertBreak;
    case ControlId::btnRemove: return btnRemove;
    case ControlId::btnRemoveAll: return btnRemoveAll;
    case ControlId::btnUp: return btnUp;
    case ControlId::btnDown: return btnDown;
    case ControlId::btnBrowseForAudioProject: return btnBrowseForAudioProject;
    case ControlId::btnBrowseForTempFolder: return btnBrowseForTempFolder;
    case ControlId::btnBrowseForImageDrive: return btnBrowseForImageDrive;
    case ControlId::btnBrowseForSimpleBurner: return btnBrowseForSimpleBurner;
    case ControlId::lblAppName: return lblAppName;
    case ControlId::lblAppName2: return lblAppName2;
    case ControlId::lblCopyright: return lblCopyright;
    case ControlId::lblSummary: return lblSummary;
    default: throw std::out_of_range("The in-memory form has no such control");
    }
}

FormControls MemoryForm::Bind() {
    return {main, lblAppName, lblAppName2, lblCopyright, lblSummary, [this](ControlId id) -> Control& { return ControlFor(id); }};
}

}  // namespace velutreck
