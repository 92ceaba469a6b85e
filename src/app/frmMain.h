// The main window, frmMain, without its toolkit: the event handlers, start-up and shutdown. The
// Windows layer (and the tests' simulator session) binds controls and services to it and calls a
// handler for each event; the window's state lives in those controls.
#pragma once

#include <string>
#include <vector>

#include "app/send_to_menu.h"
#include "app/tooltip_texts.h"
#include "engine/hidden_values.h"
#include "engine/main_window_controls.h"
#include "engine/transfer_engine.h"
#include "platform/controls.h"
#include "platform/desktop.h"
#include "platform/dialogs.h"
#include "platform/file_system.h"
#include "platform/cd_drives.h"
#include "platform/media_lengths.h"
#include "platform/session.h"
#include "platform/settings_store.h"
#include "platform/shortcuts.h"
#include "platform/taskbar_button.h"
#include "platform/wall_clock.h"
#include "tracklist/context_menu.h"

namespace velutreck {

struct FormControls {
    MainWindowControls& main;
    Label& lblAppName;
    Label& lblAppName2;
    Label& lblCopyright;
    Label& lblSummary;
    ControlLookup controlFor;  // for the tooltips
};

struct FormServices {
    Desktop& desktop;
    FileSystem& files;
    MessageBoxes& messageBoxes;
    SettingsStore& settings;
    CommonDialog& commonDialog;
    FolderBrowser& folderBrowser;
    InstanceCheck& instanceCheck;
    BubbleTips& bubbleTips;
    Shortcuts& shortcuts;
    const WallClock& clock;
    std::string programFile;    // this Velutreck.exe, full path
    MediaLengths& lengths;
    TaskbarButton& taskbar;
    CdDrives& cdDrives;
    std::string programFolder;  // the folder of the program file, no trailing "\" but at a root
    std::string logFolder;      // where the job log is kept
};

class frmMain {
public:
    frmMain(FormControls controls, FormServices services);

    // Start-up. The items named on the command line wait until the window shows (AddWaitingItems),
    // so that a message about them comes over the window. A second copy hands its items to the
    // running copy, or is refused; either way it unloads the window before it is shown.
    void Form_Load(const std::vector<std::string>& commandLineItems = {});
    // The rest of a start-up that Form_Load saw to its end: the tooltips and the Send to box's
    // state. Once the window shows, before any key or click reaches it; later calls do nothing.
    void FinishStartUp();
    // Runs whenever the window closes; saves nothing and leaves the other programs alone.
    void Form_Unload();

    void btnStartStop_Click();
    void tmrMaster_Timer();
    void btnQuit_Click();
    void btnReadme_Click();
    void chkErase_Click();
    void chkNameTracks_Click();
    void chkSendTo_Click();
    void cboCompression_Click();
    void cboDiscLength_Click();
    // Lengths of listed files have been read.
    void LengthsArrived();
    // The six track-list commands, from their buttons or from the context menu.
    void TrackListCommand_Click(TrackListCommand command);
    // Whether a press of this mouse button on the track list opens the context menu. The press
    // does not change the selection.
    static bool OpensContextMenu(int button);
    // Files, folders and playlists dropped onto the track list, named on the command line or handed
    // over by a second copy. While a job runs the list is locked and nothing happens.
    void FilesDropped(const std::vector<std::string>& items);
    // A second copy's items: taken to wait for AddWaitingItems, as the copy waits for the answer;
    // refused as busy while a job runs.
    HandOverOutcome ItemsHandedOver(const std::vector<std::string>& items);
    // Adds the items that wait, as one drop, once the window shows and whenever no box of the
    // program is open. While a job runs they wait for its end, which adds them.
    void AddWaitingItems();
    void btnBrowseForAudioProject_Click();
    void btnBrowseForTempFolder_Click();
    void btnBrowseForImageDrive_Click();
    void btnBrowseForSimpleBurner_Click();

    const TransferEngine& Engine() const { return engine_; }
    const HiddenValues& Hidden() const { return hidden_; }

private:
    template <typename Handler>
    void Guarded(Handler&& handler);
    void ShowError(const std::string& text);
    SendToServices SendTo();
    // False when another copy runs; this one then unloads, its items handed over or refused.
    bool FirstCopy(const std::vector<std::string>& commandLineItems);
    // The list's summary follows every change of the list, of its lengths, of the compression and of
    // the MiniDisc's length.
    void ShowSummary();
    void ReadLengthsAndShowSummary();

    FormControls controls_;
    FormServices services_;
    HiddenValues hidden_;
    TransferEngine engine_;
    CommonDialogState dialogState_;  // dlgCommon's properties, shared by Add files and the pickers
    std::string lastAddFolder_;
    std::vector<std::string> waitingItems_;
    bool startUpToFinish_ = false;
};

}  // namespace velutreck
