#include "app/win32/window_controls.h"

#include "base/failure.h"

namespace velutreck {

namespace {

bool SizesToCaption(ControlId id) { return !LayoutOf(id).style.wraps; }

}  // namespace

WindowControls::WindowControls(const ChildWindows& children, ToolTipRegistry& tips, FormWindow& form, Timer& timer)
    : chkAutoBreak(children[ControlId::chkAutoBreak], tips),
      chkErase(children[ControlId::chkErase], tips),
      chkNameTracks(children[ControlId::chkNameTracks], tips),
      chkOnlyAlpha(children[ControlId::chkOnlyAlpha], tips),
      chkSendTo(children[ControlId::chkSendTo], tips),
      txtDiscName(children[ControlId::txtDiscName], tips),
      txtAudioProject(children[ControlId::txtAudioProject], tips),
      txtTempFolder(children[ControlId::txtTempFolder], tips),
      txtImageDrive(children[ControlId::txtImageDrive], tips),
      txtSimpleBurner(children[ControlId::txtSimpleBurner], tips),
      txtPause(children[ControlId::txtPause], tips),
      lstAudioFiles(children[ControlId::lstAudioFiles], tips),
      cboCompression(children[ControlId::cboCompression], tips),
      cboDiscLength(children[ControlId::cboDiscLength], tips),
      btnStartStop(children[ControlId::btnStartStop], tips),
      btnQuit(children[ControlId::btnQuit], tips),
      btnReadme(children[ControlId::btnReadme], tips),
      btnAdd(children[ControlId::btnAdd], tips),
      btnInsertBreak(children[ControlId::btnInsertBreak], tips),
      btnRemove(children[ControlId::btnRemove], tips),
      btnRemoveAll(children[ControlId::btnRemoveAll], tips),
      btnUp(children[ControlId::btnUp], tips),
      btnDown(children[ControlId::btnDown], tips),
      btnBrowseForAudioProject(children[ControlId::btnBrowseForAudioProject], tips),
      btnBrowseForTempFolder(children[ControlId::btnBrowseForTempFolder], tips),
      btnBrowseForImageDrive(children[ControlId::btnBrowseForImageDrive], tips),
      btnBrowseForSimpleBurner(children[ControlId::btnBrowseForSimpleBurner], tips),
      lblAppName(children[ControlId::lblAppName], tips, SizesToCaption(ControlId::lblAppName)),
      lblAppName2(children[ControlId::lblAppName2], tips, SizesToCaption(ControlId::lblAppName2)),
      lblCopyright(children[ControlId::lblCopyright], tips, SizesToCaption(ControlId::lblCopyright)),
      lblSummary(children[ControlId::lblSummary], tips, SizesToCaption(ControlId::lblSummary)),
      main{chkAutoBreak,    txtDiscName,       lstAudioFiles,  btnAdd,
           btnInsertBreak,  btnRemove,         btnRemoveAll,   btnUp,
           btnDown,         txtAudioProject,   btnBrowseForAudioProject,
           txtTempFolder,   btnBrowseForTempFolder,            txtImageDrive,
           btnBrowseForImageDrive,             txtSimpleBurner, btnBrowseForSimpleBurner,
           cboCompression,  cboDiscLength,     txtPause,       chkErase,
           chkNameTracks,   chkOnlyAlpha,      chkSendTo,      btnStartStop,
           btnQuit,
           btnReadme,
           timer,           form},
      byId_{
          {ControlId::chkAutoBreak, &chkAutoBreak},
          {ControlId::chkErase, &chkErase},
          {ControlId::chkNameTracks, &chkNameTracks},
          {ControlId::chkOnlyAlpha, &chkOnlyAlpha},
          {ControlId::chkSendTo, &chkSendTo},
          {ControlId::txtDiscName, &txtDiscName},
          {ControlId::txtAudioProject, &txtAudioProject},
          {ControlId::txtTempFolder, &txtTempFolder},
          {ControlId::txtImageDrive, &txtImageDrive},
          {ControlId::txtSimpleBurner, &txtSimpleBurner},
          {ControlId::txtPause, &txtPause},
          {ControlId::lstAudioFiles, &lstAudioFiles},
          {ControlId::cboCompression, &cboCompression},
          {ControlId::cboDiscLength, &cboDiscLength},
          {ControlId::btnStartStop, &btnStartStop},
          {ControlId::btnQuit, &btnQuit},
          {ControlId::btnReadme, &btnReadme},
          {ControlId::btnAdd, &btnAdd},
          {ControlId::btnInsertBreak, &btnInsertBreak},
          {ControlId::btnRemove, &btnRemove},
          {ControlId::btnRemoveAll, &btnRemoveAll},
          {ControlId::btnUp, &btnUp},
          {ControlId::btnDown, &btnDown},
          {ControlId::btnBrowseForAudioProject, &btnBrowseForAudioProject},
          {ControlId::btnBrowseForTempFolder, &btnBrowseForTempFolder},
          {ControlId::btnBrowseForImageDrive, &btnBrowseForImageDrive},
          {ControlId::btnBrowseForSimpleBurner, &btnBrowseForSimpleBurner},
          {ControlId::lblAppName, &lblAppName},
          {ControlId::lblAppName2, &lblAppName2},
          {ControlId::lblCopyright, &lblCopyright},
          {ControlId::lblSummary, &lblSummary},
      } {}

Control& WindowControls::ControlFor(ControlId id) const {
    const auto found = byId_.find(id);
    if (found == byId_.end()) {
        throw Failure(FailureKind::Control, "The window has no bound control " + std::to_string(static_cast<int>(id)));
    }
    return *found->second;
}

FormControls WindowControls::Bind() {
    return {main, lblAppName, lblAppName2, lblCopyright, lblSummary, [this](ControlId id) -> Control& { return ControlFor(id); }};
}

}  // namespace velutreck
