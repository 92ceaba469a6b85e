// What the job checks for itself as it runs. Before Simple Burner records a group: the image and the
// virtual CD; a check that fails stops the job, and the group's files go back to the top of the
// list, in their order and before the break that followed them, so that Start records them once
// the fault is mended (Nero, ImageDrive and Simple Burner are left as Stop leaves them). At the
// end: the disc name read back, and a summary of what was recorded and checked.
#include "drivers/modNetMDSimpleBurner.h"
#include "drivers/temp_image.h"
#include "engine/error_ignoring.h"
#include "engine/transfer_engine.h"
#include "platform/nero_image.h"
#include "tracklist/break_marker.h"
#include "tracklist/list_summary.h"

namespace velutreck {

namespace {

// Often enough that a drive slow to show the CD costs little more than it takes.
constexpr std::uint32_t CdPollMs = 100;

std::string Letters(const std::vector<CdDrive>& drives) {
    std::string letters;
    for (const CdDrive& drive : drives) {
        letters += (letters.empty() ? "" : ", ") + drive.letter + " " +
                   CountOf(static_cast<int>(drive.tracks.size()), "track", "tracks");
    }
    return letters.empty() ? "no CD drive" : letters;
}

}  // namespace

std::vector<GroupFile> TransferEngine::GroupFiles() const {
    std::vector<GroupFile> files;
    for (const std::string& path : groupFiles_) {
        files.push_back(GroupFile{path, services_.lengths.Length(path)});
    }
    return files;
}

// Nero's own error box is not read: the image tells whether Nero took every file. An image of a
// Nero whose format Velutreck does not know is let through.
bool TransferEngine::ImageChecked() {
    if (groupFiles_.empty()) {
        return true;
    }
    const std::string what = "Image of group " + std::to_string(groupNumber_);
    NeroImageReading reading;
    try {
        reading = ReadNeroImage(services_.files, TempImagePath(TempFolder()));
    } catch (const std::exception&) {
        reading.outcome = NeroImageOutcome::Unreadable;
    }
    if (reading.outcome != NeroImageOutcome::Read) {
        ++tally_.imagesNotChecked;
        log_.Line(what + ": not checked: " +
                  (reading.outcome == NeroImageOutcome::NoFile ? "Nero wrote no image" : "Velutreck cannot read this image"));
        return true;
    }
    const std::vector<GroupFile> files = GroupFiles();
    if (const std::optional<std::string> problem = ImageProblem(groupNumber_, files, reading.trackLengths)) {
        log_.Line(what + ": " + CountOf(static_cast<int>(reading.trackLengths.size()), "track", "tracks") + " for " +
                  CountOf(static_cast<int>(files.size()), "file", "files"));
        StopByCheck(*problem, "Nero's image");
        return false;
    }
    ++tally_.imagesChecked;
    log_.Line(what + ": holds its " + CountOf(static_cast<int>(files.size()), "track", "tracks"));
    return true;
}

// ImageDrive's result cannot be seen, so the CD it should present is looked for: a drive that spins
// up or an ImageDrive slow to present the image may hold the job up to GeneralLongPause seconds.
// A check that cannot be made does not stop the job.
bool TransferEngine::VirtualCdChecked() {
    if (groupFiles_.empty()) {
        return true;
    }
    const std::string what = "Virtual CD of group " + std::to_string(groupNumber_);
    try {
        const std::vector<GroupFile> files = GroupFiles();
        const std::int64_t startMs = services_.clock.ElapsedMs();
        const std::chrono::milliseconds patience(std::chrono::seconds(std::max<int>(0, hidden_.generalLongPause.Value())));
        for (;;) {
            const std::chrono::milliseconds waited(services_.clock.ElapsedMs() - startMs);
            const std::vector<CdDrive> drives =
                services_.cdDrives.Read(std::max(patience - waited, std::chrono::milliseconds(CdPollMs)));
            const CdFinding finding = FindGroupCd(drives, files, virtualDrive_);
            if (finding.virtualDrive && finding.otherAudioCd) {
                log_.Line(what + ": " + *finding.virtualDrive + " shows its tracks, and " + *finding.otherAudioCd +
                          " holds an audio CD");
                StopByCheck(OtherAudioCdMessage(*finding.otherAudioCd), "the CD drives");
                return false;
            }
            if (finding.virtualDrive) {
                virtualDrive_ = finding.virtualDrive;
                ++tally_.cdsChecked;
                log_.Line(what + ": " + *virtualDrive_ + " shows its " +
                          CountOf(static_cast<int>(files.size()), "track", "tracks"));
                return true;
            }
            if (waited >= patience) {
                log_.Line(what + ": not shown after " + std::to_string(waited.count() / 1000) + " s (" +
                          Letters(drives) + ")");
                StopByCheck(CdNotPresentedMessage(groupNumber_, files.size(), drives), "the virtual CD");
                return false;
            }
            services_.desktop.Pause(CdPollMs);
        }
    } catch (const std::exception& failure) {
        log_.Line(what + ": not checked: " + failure.what());
        return true;
    }
}

// The groups this job recorded are no longer listed: a next Start that erases the disc first would
// lose them, so the message says so while the erase box is still checked.
void TransferEngine::StopByCheck(const std::string& message, const std::string& check) {
    GiveBackGroup();
    bool erasing = eraseDone_;
    Attempt([&] { erasing = erasing && controls_.chkErase.Value() != 0; });
    const int recorded = groupNumber_ - 1;
    const std::string kept =
        !erasing || recorded < 1 ? ""
        : recorded == 1
            ? " Group 1 is on the MiniDisc already: clear \"Erase MiniDisc before writing new files\" on the "
              "Settings tab before you press Start, or it is erased."
            : " Groups 1 to " + std::to_string(recorded) +
                  " are on the MiniDisc already: clear \"Erase MiniDisc before writing new files\" on the Settings "
                  "tab before you press Start, or they are erased.";
    EndWithError(message + kept, "was stopped in state " + std::to_string(jobState_.Value()) + " by the check of " + check +
                              ", before recording group " + std::to_string(groupNumber_) +
                              "; its files are back at the top of the list");
}

// Files of the group that Nero was not given stayed at the top of the list; the files it was
// given go back below them, before the group's break.
void TransferEngine::GiveBackGroup() {
    Attempt([&] {
        ListBox& list = controls_.lstAudioFiles;
        Int16 at = 0;
        while (at < list.Count() && !IsBreakMarker(list.Entry(at))) {
            at = at + 1;
        }
        for (const std::string& path : groupFiles_) {
            list.Insert(at, path);
            at = at + 1;
        }
    });
    if (services_.listRefilled) {
        Attempt([&] { services_.listRefilled(); });
    }
}

void TransferEngine::ReadBackDiscName() {
    std::string typed;
    Attempt([&] { typed = DiscName(); });
    try {
        const std::string shown = SimpleBurnerDiscNameShown(drivers_);
        tally_.discName = shown == typed ? "disc name read back as typed" : "disc name read back, not as typed";
        log_.Line("Disc name read back: \"" + shown + "\"" + (shown == typed ? ", as typed" : ", not \"" + typed + "\" as typed"));
    } catch (const Failure& failure) {
        log_.Line(std::string("Disc name read back: failed: ") + failure.what());
    }
}

void TransferEngine::LogSummary() {
    log_.Line("Recorded " + CountOf(tally_.groups, "group", "groups") + ", " + CountOf(tally_.tracks, "track", "tracks"));
    log_.Line("Checked " + CountOf(tally_.imagesChecked, "image", "images") + " and " +
              CountOf(tally_.cdsChecked, "virtual CD", "virtual CDs") + "; images not checked: " +
              std::to_string(tally_.imagesNotChecked) + "; " + tally_.discName);
}

void TransferEngine::EndWithError(const std::string& message, const std::string& how) {
    Attempt([&] { controls_.tmrMaster.SetEnabled(false); });
    log_.Line(message);
    log_.End(how);
    progress_.Failed();
    Attempt([&] { ToggleRunControls(); });
    Attempt([&] { ShowStatus(""); });
    Attempt([&] { ShowError(message); });
}

}  // namespace velutreck
