// Run control: Start and Stop, switching the window between idle and running, the path checks
// before a job, the temporary image and the leading break markers.
#include <array>

#include "base/product.h"
#include "base/windows_paths.h"
#include "drivers/temp_image.h"
#include "engine/error_ignoring.h"
#include "engine/naming_options.h"
#include "engine/temp_folder_check.h"
#include "engine/transfer_engine.h"
#include "tracklist/group_walk.h"
#include "tracklist/missing_files.h"

namespace velutreck {

namespace {

const std::string StartCaption = "&Start";
const std::string StopCaption = "&Stop";

}  // namespace

TransferEngine::TransferEngine(MainWindowControls& controls, HiddenValues& hidden, EngineServices services)
    : controls_(controls),
      hidden_(hidden),
      services_(std::move(services)),
      drivers_{services_.desktop, *this},
      log_(services_.files, services_.clock, services_.logFolder),
      progress_(services_.taskbar) {}

bool TransferEngine::IsRunning() const { return controls_.btnStartStop.Caption() != StartCaption; }

void TransferEngine::ShowError(const std::string& text) {
    services_.messageBoxes.Show(text, MessageBoxStyle::Critical, ProductName);
}

void TransferEngine::StartOrStop(const std::vector<SettingValue>& settings) {
    if (!IsRunning()) {
        std::vector<std::string> description;
        Attempt([&] { description = JobDescription(settings); });
        log_.Begin(description);
        jobState_ = 1;
        trackNames_.clear();
        eraseDone_ = false;
        groupNumber_ = 0;
        groupFiles_.clear();
        virtualDrive_.reset();
        tally_ = Tally{};
        unchangedPolls_ = 0;
        groupPlayingTime_ = std::chrono::milliseconds(0);
        controls_.tmrMaster.SetEnabled(true);
        StateEntered();
    } else {
        controls_.tmrMaster.SetEnabled(false);
        log_.End("was stopped by the user in state " + std::to_string(jobState_.Value()));
        progress_.Cleared();
    }
    ToggleRunControls();
}

// What the job runs with: the settings as they were saved at Start, and the list.
std::vector<std::string> TransferEngine::JobDescription(const std::vector<SettingValue>& settings) const {
    std::vector<std::string> lines;
    for (const SettingValue& setting : settings) {
        lines.push_back(std::string(setting.key) + ": " + setting.value);
    }
    lines.push_back("List (" + std::to_string(controls_.lstAudioFiles.Count().Value()) + " entries):");
    for (Int16 index = 0; index < controls_.lstAudioFiles.Count(); ++index) {
        lines.push_back("  " + controls_.lstAudioFiles.Entry(index));
    }
    return lines;
}

void TransferEngine::ToggleRunControls() {
    const bool unlock = IsRunning();
    controls_.btnStartStop.SetCaption(unlock ? StartCaption : StopCaption);

    // The controls a running job locks, in the order they are switched. Start/Stop itself, the
    // track-naming box, the spin buttons and the tabs stay usable. The Send to box is locked with
    // the other settings: its question box would take the keys meant for the driven programs.
    const std::array<Control*, 25> lockList = {
        &controls_.chkAutoBreak,
        &controls_.txtDiscName,
        &controls_.lstAudioFiles,
        &controls_.btnAdd,
        &controls_.btnInsertBreak,
        &controls_.btnRemove,
        &controls_.btnRemoveAll,
        &controls_.btnUp,
        &controls_.btnDown,
        &controls_.txtAudioProject,
        &controls_.btnBrowseForAudioProject,
        &controls_.txtTempFolder,
        &controls_.btnBrowseForTempFolder,
        &controls_.txtImageDrive,
        &controls_.btnBrowseForImageDrive,
        &controls_.txtSimpleBurner,
        &controls_.btnBrowseForSimpleBurner,
        &controls_.cboCompression,
        &controls_.cboDiscLength,
        &controls_.txtPause,
        &controls_.chkErase,
        &controls_.chkOnlyAlpha,
        &controls_.btnQuit,
        &controls_.btnReadme,
        &controls_.chkSendTo,
    };
    for (Control* control : lockList) {
        control->SetEnabled(unlock);
    }
    services_.desktop.KeepAwake(!unlock);
    NamingOptionsRule(controls_.chkErase, controls_.chkNameTracks, controls_.chkOnlyAlpha);
}

void TransferEngine::RefuseByCheck(const std::string& message) {
    log_.Line("Check failed: " + message);
    ShowError(message);
    EndBeforeStart();
}

// The window is set to idle once, however many checks fail.
void TransferEngine::EndBeforeStart() {
    controls_.tmrMaster.SetEnabled(false);
    if (IsRunning()) {
        ToggleRunControls();
    }
}

void TransferEngine::CheckPaths() {
    struct PathCheck {
        TextBox& box;
        bool isTempFolder;
    };
    const std::array<PathCheck, 4> checks = {{
        {controls_.txtAudioProject, false},
        {controls_.txtTempFolder, true},
        {controls_.txtImageDrive, false},
        {controls_.txtSimpleBurner, false},
    }};
    for (const PathCheck& check : checks) {
        const std::string path = check.box.Text();
        const bool exists =
            check.isTempFolder ? services_.files.FolderExists(path) : services_.files.FileExists(path);
        if (!exists) {
            RefuseByCheck("Error: " + path + " does not exist.");
        } else if (check.isTempFolder && !TempFolderUsable(path, services_.files)) {
            OfferOwnTempFolder(path);
        }
    }
    // Since Windows 8 only the program with the focus can load a keyboard layout, so Velutreck
    // cannot give Nero one the user does not have: without it Nero's menus would never open.
    if (!services_.desktop.LatinLayoutInstalled()) {
        RefuseByCheck("Error: None of the keyboard layouts installed on this computer has Latin letters, which "
                      "Velutreck needs for the shortcuts it types (Alt+E in Nero). Add one, such as US, in "
                      "Windows' Settings under Time & language, then press Start again.");
    }
    // A file that has gone would make Nero show an error box of its own, which would then take the
    // keys meant for its next prompt.
    for (const std::string& message : MissingFilesMessages(controls_.lstAudioFiles, services_.files)) {
        RefuseByCheck(message);
    }
}

// A temp folder Windows protects is what the first run's "C:\" is for a user who is not
// administrator: Velutreck offers its own folder, and a Yes makes it the setting.
void TransferEngine::OfferOwnTempFolder(const std::string& tempFolder) {
    const std::string own = OwnTempFolder(services_.files);
    if (own.empty() || SamePath(own, tempFolder)) {
        return RefuseByCheck(TempFolderMessage(tempFolder));
    }
    const std::string question = OwnTempFolderQuestion(tempFolder, own);
    log_.Line("Asked: " + question);
    if (services_.messageBoxes.Show(question, MessageBoxStyle::YesNoQuestion, ProductName) != MessageBoxAnswer::Yes) {
        log_.Line("Answered No");
        return EndBeforeStart();
    }
    log_.Line("Answered Yes");
    if (!MadeUsable(own, services_.files)) {
        return RefuseByCheck(TempFolderMessage(own));
    }
    controls_.txtTempFolder.SetText(own);
    log_.Line("TempFolder: " + own);
    if (services_.settingsChanged) {
        Attempt([&] { services_.settingsChanged(); });
    }
}

bool TransferEngine::DeleteTempImage() {
    const std::string path = TempImagePath(controls_.txtTempFolder.Text());
    if (!services_.files.FileExists(path)) {
        return true;
    }
    bool deleted = true;
    try {
        services_.files.DeleteFile(path);
    } catch (const Failure&) {
        deleted = false;
    }
    if (deleted && !services_.files.FileExists(path)) {
        return true;
    }
    // ImageDrive still holds the image, or it is read-only: the next group would record the old
    // image, so the program stops here.
    log_.End("ended the program: unable to delete " + path);
    progress_.Failed();
    ShowError("Error: Unable to delete " + path);
    controls_.tmrMaster.SetEnabled(false);
    controls_.form.Unload();
    return false;
}

void TransferEngine::StripLeadingBreaks() { velutreck::StripLeadingBreaks(controls_.lstAudioFiles); }

void TransferEngine::ShowStatus(const std::string& text) {
    controls_.form.SetCaption(text.empty() ? std::string(ProductName) : text + " - " + ProductName);
}

}  // namespace velutreck
