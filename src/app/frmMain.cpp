#include "app/frmMain.h"

#include <exception>
#include <utility>

#include "app/about_texts.h"
#include "app/path_pickers.h"
#include "app/program_files_x86.h"
#include "app/settings.h"
#include "app/settings_tab_rules.h"
#include "platform/tip_layout.h"
#include "base/file_in_folder.h"
#include "base/product.h"
#include "engine/naming_options.h"
#include "tracklist/add_files.h"
#include "tracklist/add_items.h"
#include "tracklist/item_batches.h"
#include "tracklist/list_commands.h"
#include "tracklist/list_summary.h"
#include "tracklist/playing_time.h"

namespace velutreck {

namespace {

const std::string SecondInstanceMessage =
    "There is already one copy of this program running, and you may not start another one.";
const std::string BusyCopyMessage =
    "Velutreck is writing to a MiniDisc at the moment, so it cannot take these files now. Please add them "
    "when the job has finished.";

SettingsControls SettingsOf(const MainWindowControls& main) {
    return {main.txtAudioProject, main.txtTempFolder, main.txtImageDrive, main.txtSimpleBurner, main.cboCompression,
            main.txtPause,        main.chkErase,      main.chkNameTracks, main.chkOnlyAlpha,    main.cboDiscLength};
}

}  // namespace

frmMain::frmMain(FormControls controls, FormServices services)
    : controls_(std::move(controls)),
      services_(std::move(services)),
      engine_(controls_.main, hidden_,
              EngineServices{services_.desktop, services_.files, services_.messageBoxes, services_.clock,
                             services_.lengths, services_.taskbar, services_.cdDrives, services_.programFolder, services_.logFolder,
                             [this] { ShowSummary(); },
                             [this] { SaveSettings(services_.settings, SettingsOf(controls_.main), hidden_); }}) {}

// Outside a tick no failure is lost and none ends the program: the user reads it in a message box.
template <typename Handler>
void frmMain::Guarded(Handler&& handler) {
    try {
        handler();
    } catch (const std::exception& failure) {
        ShowError(std::string("Error: ") + failure.what());
    }
}

void frmMain::ShowError(const std::string& text) {
    services_.messageBoxes.Show(text, MessageBoxStyle::Critical, ProductName);
}

void frmMain::Form_Load(const std::vector<std::string>& commandLineItems) {
    Guarded([&] {
        MainWindowControls& main = controls_.main;
        FillCompressionList(main.cboCompression);
        FillDiscLengthList(main.cboDiscLength);
        LoadSettings(services_.settings, SettingsOf(main), hidden_);
        PreferProgramFilesX86(main.txtImageDrive, services_.files);
        PreferProgramFilesX86(main.txtSimpleBurner, services_.files);
        NamingOptionsRule(main.chkErase, main.chkNameTracks, main.chkOnlyAlpha);
        if (!FirstCopy(commandLineItems)) {
            main.form.Unload();
            return;
        }
        const std::string version = VersionText(ProductName, VersionMajor, VersionMinor, VersionRevision);
        controls_.lblAppName.SetCaption(version);
        controls_.lblAppName2.SetCaption(version);
        controls_.lblCopyright.SetCaption(AboutText());
        ShowSummary();
        startUpToFinish_ = true;
    });
    if (startUpToFinish_) {
        waitingItems_ = commandLineItems;
    }
}

// The tooltips answer only the resting pointer, and the Send to box lies on the Settings tab: the
// window shows without them. Reading the Send to folder loads much of the shell.
void frmMain::FinishStartUp() {
    if (!std::exchange(startUpToFinish_, false)) {
        return;
    }
    Guarded([&] {
        services_.bubbleTips.Install();
        services_.bubbleTips.SetMaxWidth(TipMaxWidth);
        SetToolTips(controls_.controlFor);
        controls_.main.chkSendTo.SetValue(SendToState(SendTo()));
    });
}

bool frmMain::FirstCopy(const std::vector<std::string>& commandLineItems) {
    if (!services_.instanceCheck.AnotherInstanceRunning()) {
        return true;
    }
    if (!commandLineItems.empty()) {
        // The paths are made full here, as the running copy's current folder is not this one's.
        switch (services_.instanceCheck.HandOver(FullItemPaths(commandLineItems, services_.files))) {
        case HandOverOutcome::Taken:
            return false;
        case HandOverOutcome::Busy:
            services_.messageBoxes.Show(BusyCopyMessage, MessageBoxStyle::Information, ProductName);
            return false;
        case HandOverOutcome::NotReached:
            break;
        }
    }
    ShowError(SecondInstanceMessage);
    return false;
}

void frmMain::Form_Unload() {
    Guarded([&] { services_.bubbleTips.Remove(); });
}

// Stop must stop whatever the settings store does, so a save that fails is reported only after the
// job has started or stopped. A job that starts uses the window's values, not the stored ones; the
// checklist that follows the message still lets the user cancel it.
void frmMain::btnStartStop_Click() {
    std::string saveFailure;
    try {
        SaveSettings(services_.settings, SettingsOf(controls_.main), hidden_);
    } catch (const std::exception& failure) {
        saveFailure = failure.what();
    }
    Guarded([&] { engine_.StartOrStop(CurrentSettings(SettingsOf(controls_.main), hidden_)); });
    Guarded([&] { ReadLengthsAndShowSummary(); });
    if (!saveFailure.empty()) {
        ShowError("Error: " + saveFailure);
    }
    AddWaitingItems();
}

void frmMain::tmrMaster_Timer() {
    Guarded([&] { engine_.tmrMaster_Timer(); });
    AddWaitingItems();
    Guarded([&] { ShowSummary(); });
}

void frmMain::btnQuit_Click() {
    Guarded([&] { controls_.main.form.Unload(); });
}

void frmMain::btnReadme_Click() {
    Guarded([&] {
        services_.desktop.ShellOpen(controls_.main.form.Handle(), FileInFolder(services_.programFolder, "Velutreck.html"), "");
    });
}

void frmMain::chkErase_Click() {
    Guarded([&] {
        NamingOptionsRule(controls_.main.chkErase, controls_.main.chkNameTracks, controls_.main.chkOnlyAlpha);
    });
}

void frmMain::chkNameTracks_Click() { chkErase_Click(); }

void frmMain::chkSendTo_Click() {
    Guarded([&] { SendToClicked(controls_.main.chkSendTo, SendTo()); });
}

SendToServices frmMain::SendTo() {
    return {services_.files, services_.shortcuts, services_.messageBoxes, services_.programFile};
}

void frmMain::cboCompression_Click() {
    Guarded([&] { ShowSummary(); });
}

void frmMain::cboDiscLength_Click() { cboCompression_Click(); }

void frmMain::LengthsArrived() {
    Guarded([&] { ShowSummary(); });
}

void frmMain::ShowSummary() {
    const MainWindowControls& main = controls_.main;
    controls_.lblSummary.SetCaption(ListSummary(main.lstAudioFiles, services_.lengths, ChosenDisc(main)));
}

// Only here are the listed files looked at (at Start, when the list changes): a disk that is read every few seconds
// through a job never sleeps, and a share is slow to answer.
void frmMain::ReadLengthsAndShowSummary() {
    services_.lengths.Read(ListFiles(controls_.main.lstAudioFiles));
    ShowSummary();
}

void frmMain::TrackListCommand_Click(TrackListCommand command) {
    Guarded([&] {
        ListBox& list = controls_.main.lstAudioFiles;
        switch (command) {
        case TrackListCommand::Add: {
            const AddFilesResult result = AddFiles(list, services_.commonDialog, dialogState_, lastAddFolder_,
                                                   controls_.main.chkAutoBreak.Value() != 0);
            if (!result.errorMessage.empty()) {
                ShowError(result.errorMessage);
            }
            return;
        }
        case TrackListCommand::InsertBreak:
            return InsertBreak(list);
        case TrackListCommand::Remove:
            return RemoveSelected(list);
        case TrackListCommand::RemoveAll:
            return RemoveAll(list);
        case TrackListCommand::ShiftUp:
            return ShiftUp(list);
        case TrackListCommand::ShiftDown:
            return ShiftDown(list);
        }
    });
    Guarded([&] { ReadLengthsAndShowSummary(); });
}

bool frmMain::OpensContextMenu(int button) { return button == ContextMenuButton; }

void frmMain::FilesDropped(const std::vector<std::string>& items) {
    if (engine_.IsRunning()) {
        return;
    }
    // The walk runs on the window's thread, a step at a time: between steps the window answers,
    // paints and shows how far it has come, and Esc or Stop ends it.
    MainWindowControls& main = controls_.main;
    AddItemsResult result;
    main.btnStartStop.SetCaption("&Stop");
    Guarded([&] {
        result = AddItems(main.lstAudioFiles, services_.files, items, main.chkAutoBreak.Value() != 0, [&](int found) {
            controls_.lblSummary.SetCaption(AddingSummary(found));
            main.form.PaintPending();
            return !main.form.StopAsked();
        });
    });
    main.btnStartStop.SetCaption("&Start");
    Guarded([&] {
        if (!result.errorMessage.empty()) {
            ShowError(result.errorMessage);
        }
        if (!result.skippedMessage.empty()) {
            services_.messageBoxes.Show(result.skippedMessage, MessageBoxStyle::Information, ProductName);
        }
    });
    Guarded([&] { ReadLengthsAndShowSummary(); });
}

HandOverOutcome frmMain::ItemsHandedOver(const std::vector<std::string>& items) {
    if (engine_.IsRunning()) {
        return HandOverOutcome::Busy;
    }
    waitingItems_.insert(waitingItems_.end(), items.begin(), items.end());
    return HandOverOutcome::Taken;
}

void frmMain::AddWaitingItems() {
    if (waitingItems_.empty() || engine_.IsRunning()) {
        return;
    }
    FilesDropped(std::exchange(waitingItems_, {}));
}

void frmMain::btnBrowseForAudioProject_Click() {
    Guarded([&] { PickFile(services_.commonDialog, dialogState_, AudioProjectFilter, controls_.main.txtAudioProject); });
}

void frmMain::btnBrowseForTempFolder_Click() {
    Guarded([&] { PickFolder(services_.folderBrowser, controls_.main.txtTempFolder); });
}

void frmMain::btnBrowseForImageDrive_Click() {
    Guarded([&] { PickFile(services_.commonDialog, dialogState_, ProgramFilter, controls_.main.txtImageDrive); });
}

void frmMain::btnBrowseForSimpleBurner_Click() {
    Guarded([&] { PickFile(services_.commonDialog, dialogState_, ProgramFilter, controls_.main.txtSimpleBurner); });
}

}  // namespace velutreck
