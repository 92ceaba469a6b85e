#include "rehearsal/standins/simple_burner_stand_in.h"

#include <array>
#include <utility>

#include "platform/cd_track_file.h"
#include "rehearsal/standins/cd_image.h"

namespace velutreck {

namespace {

constexpr std::array<const char*, 2> Modes = {"LP2", "LP4"};
constexpr std::uint32_t VirtualKeyDown = 0x28;

}  // namespace

void SimpleBurnerStandIn::Start(StandInHost& host, const std::string&) {
    host_ = &host;
    const auto tracks = static_cast<std::uint32_t>(TrackCount(host.ReadDisc()));
    host.RunAfter(options_.burnerReadDiscMs + options_.burnerReadPerTrackMs * tracks, [this] { ShowMainWindow(); });
}

void SimpleBurnerStandIn::ShowMainWindow() {
    disc_ = host_->ReadDisc();
    rowTitles_ = RowTitles(disc_);
    discName_ = EditBuffer(disc_.title);
    main_ = host_->AddWindow(0, "#32770", SimpleBurnerTitle);
    const WindowHandle devicePanel = host_->AddWindow(main_, "#32770", "");
    deviceField_ = host_->AddWindow(devicePanel, "Edit", "NetMD");
    const WindowHandle discPanel = host_->AddWindow(main_, "#32770", "");
    eraseButton_ = host_->AddWindow(discPanel, "Button", "All Erase");
    nameField_ = host_->AddWindow(discPanel, "Edit", disc_.title);
    trackList_ = host_->AddWindow(discPanel, "SysListView32", "List2");
    modeBox_ = host_->AddWindow(main_, "ComboBox", Modes[mode_]);
    host_->AddWindow(main_, "Static", "Disc");
    host_->AddWindow(main_, "Static", "Mode");
    recordControl_ = host_->AddWindow(main_, "Static", "Record");
    host_->GiveFocus(main_);
}

void SimpleBurnerStandIn::OnMessage(WindowHandle window, std::uint32_t msg, std::uint32_t wParam, std::uint32_t) {
    if (msg == message::LButtonDown) {
        pressed_ = window;
    } else if (msg == message::LButtonUp && std::exchange(pressed_, 0) == window) {
        Click(window);
    } else if (msg == message::KeyDown && window == modeBox_ && wParam == VirtualKeyDown) {
        mode_ = Modes.size() - 1;  // one entry down from LP2, and LP4 is the last
        host_->SetText(modeBox_, Modes[mode_]);
    } else if (msg == message::Close) {
        if (window == main_) {
            CloseProgram();
        } else if (window == confirmation_) {
            CloseBox(confirmation_);
        } else if (window == message_) {
            CloseBox(message_);
        }
    }
}

void SimpleBurnerStandIn::Click(WindowHandle window) {
    if (window == eraseButton_ && !Busy("All Erase")) {
        // The question may open a little after the click.
        const auto ask = [this] { confirmation_ = ShowBox("All tracks on the MiniDisc will be erased. Continue?"); };
        RunNowOrAfter(*host_, options_.promptDelayMs, ask);
    } else if (window == nameField_ || window == deviceField_ || window == trackList_) {
        host_->GiveFocus(window);
    } else if (window == recordControl_ && !Busy("Record")) {
        StartRecording();
    }
}

bool SimpleBurnerStandIn::Busy(const std::string& clicked) {
    if (!recording_ && confirmation_ == 0 && message_ == 0) {
        return false;
    }
    host_->Note("Simple Burner: busy; the click on \"" + clicked + "\" does nothing");
    return true;
}

WindowHandle SimpleBurnerStandIn::ShowBox(const std::string& text) {
    const WindowHandle box = host_->AddWindow(0, "#32770", SimpleBurnerTitle);
    host_->AddWindow(box, "Static", text);
    host_->GiveFocus(box);
    return box;
}

void SimpleBurnerStandIn::CloseBox(WindowHandle& box) { host_->RemoveWindow(std::exchange(box, 0)); }

void SimpleBurnerStandIn::Erase() {
    disc_ = MiniDisc();
    host_->WriteDisc(disc_);
    rowTitles_.clear();
    selectedRow_.reset();
    rowEditor_.reset();
    discName_ = EditBuffer();
    host_->SetText(nameField_, "");
    host_->Note("Simple Burner: the disc is erased");
}

// Simple Burner records the first drive that holds an audio CD: a music CD in a drive lettered
// before ImageDrive's is recorded instead of the image, track files for sources.
std::vector<std::string> SimpleBurnerStandIn::SourcesOfCd() {
    for (const std::string& root : host_->CdDriveRoots()) {
        if (root >= options_.imageDriveRoot) {
            break;
        }
        std::vector<std::string> tracks;
        for (std::size_t track = 1; track <= CdTracksIn(host_->Files(), root).size(); ++track) {
            tracks.push_back(root + (track < 10 ? "Track0" : "Track") + std::to_string(track) + ".cda");
        }
        if (!tracks.empty()) {
            return tracks;
        }
    }
    const VirtualDrive drive = host_->ReadDrive();
    return drive.image ? CdImageSources(host_->Files(), *drive.image) : std::vector<std::string>{};
}

void SimpleBurnerStandIn::StartRecording() {
    const std::vector<std::string> sources = SourcesOfCd();
    if (sources.empty()) {
        host_->Note("Simple Burner: there is no audio CD in the drive");
        message_ = ShowBox(SimpleBurnerNoCdText);
        return;
    }
    recording_ = true;
    const std::string mode = Modes[mode_];
    host_->Note("Simple Burner: recording " + std::to_string(sources.size()) + " tracks at " + mode);
    const auto duration =
        options_.burnerRecordMs + options_.burnerRecordPerTrackMs * static_cast<std::uint32_t>(sources.size());
    host_->RunAfter(duration, [this, sources, mode] { FinishRecording(sources, mode); });
}

void SimpleBurnerStandIn::FinishRecording(const std::vector<std::string>& sources, const std::string& mode) {
    DiscGroup group;
    for (const std::string& source : sources) {
        group.tracks.push_back(DiscTrack{.title = "", .source = source, .mode = mode});
    }
    disc_.groups.push_back(group);
    host_->WriteDisc(disc_);
    rowTitles_.resize(rowTitles_.size() + 1 + sources.size());
    recording_ = false;
    message_ = ShowBox(SimpleBurnerCompleteText);
}

// The names typed since the start go to the disc only now; a name that finds no room left in the
// disc's title table is cut.
void SimpleBurnerStandIn::CloseProgram() {
    if (recording_) {
        host_->Note("Simple Burner: busy recording; the window stays open");
        return;
    }
    if (rowEditor_) {
        CommitRow();
    }
    StoreTitle(discName_.Text(), SetDiscTitle(disc_, discName_.Text()));
    for (std::size_t row = 0; row < rowTitles_.size(); ++row) {
        StoreTitle(rowTitles_[row], SetRowTitle(disc_, row, rowTitles_[row]));
    }
    host_->WriteDisc(disc_);
    host_->ExitProgram();
}

void SimpleBurnerStandIn::StoreTitle(const std::string& title, const std::string& stored) {
    if (stored != title) {
        host_->Note("Simple Burner: no room on the disc for the title \"" + title + "\"; it is cut to \"" + stored +
                    "\"");
    }
}

}  // namespace velutreck
