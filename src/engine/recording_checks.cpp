#include "engine/recording_checks.h"

#include <algorithm>

#include "tracklist/list_summary.h"
#include "tracklist/media_limits.h"

namespace velutreck {

namespace {

using std::chrono::milliseconds;

constexpr milliseconds LeastTolerance{2000};
constexpr int TolerancePercent = 2;

// The file whose absence makes the tracks fit, when exactly one does.
std::optional<std::size_t> LeftOutFile(const std::vector<GroupFile>& files, const TrackLengths& tracks) {
    if (tracks.size() + 1 != files.size()) {
        return std::nullopt;
    }
    std::optional<std::size_t> leftOut;
    for (std::size_t index = 0; index < files.size(); ++index) {
        std::vector<GroupFile> others = files;
        others.erase(others.begin() + static_cast<std::ptrdiff_t>(index));
        if (!TracksFit(others, tracks)) {
            continue;
        }
        if (leftOut) {
            return std::nullopt;
        }
        leftOut = index;
    }
    return leftOut;
}

std::string TrackCount(std::size_t count) { return CountOf(static_cast<int>(count), "track", "tracks"); }

std::string Shows(const CdDrive& drive) {
    return drive.letter + (drive.tracks.empty() ? " shows no audio CD" : " shows " + TrackCount(drive.tracks.size()));
}

}  // namespace

bool TrackFits(const MediaLength& file, milliseconds track) {
    if (file.state != MediaLength::State::Known) {
        return true;
    }
    const milliseconds tolerance = std::max(LeastTolerance, file.time * TolerancePercent / 100);
    const milliseconds difference = track > file.time ? track - file.time : file.time - track;
    return difference <= tolerance;
}

bool TracksFit(const std::vector<GroupFile>& files, const TrackLengths& tracks) {
    if (files.size() != tracks.size()) {
        return false;
    }
    for (std::size_t index = 0; index < files.size(); ++index) {
        if (!TrackFits(files[index].length, tracks[index])) {
            return false;
        }
    }
    return true;
}

std::optional<std::string> ImageProblem(int group, const std::vector<GroupFile>& files, const TrackLengths& tracks) {
    if (TracksFit(files, tracks)) {
        return std::nullopt;
    }
    const std::string image = "Error: Nero's image of group " + std::to_string(group);
    const std::string fix = " Nero cannot read every file (copy protection, a damaged file, a format it does not "
                            "know): play the file, or convert it to MP3 or WAV, then press Start.";
    if (files.size() != tracks.size()) {
        std::string message = image + " holds " + TrackCount(tracks.size()) + ", not " + std::to_string(files.size());
        if (const std::optional<std::size_t> leftOut = LeftOutFile(files, tracks)) {
            message += ": Nero did not take \"" + files[*leftOut].path + "\".";
        } else {
            message += ".";
        }
        return message + fix;
    }
    std::size_t index = 0;
    while (TrackFits(files[index].length, tracks[index])) {
        ++index;
    }
    return image + " does not hold the group's files: its track " + std::to_string(index + 1) + " lasts " +
           FormatPlayingTime(tracks[index]) + ", but \"" + files[index].path + "\" " +
           FormatPlayingTime(files[index].length.time) + "." + fix;
}

CdFinding FindGroupCd(const std::vector<CdDrive>& drives, const std::vector<GroupFile>& files,
                      const std::optional<std::string>& rememberedDrive) {
    CdFinding finding;
    const auto fits = [&](const CdDrive& drive) { return TracksFit(files, drive.tracks); };
    const auto remembered = std::find_if(drives.begin(), drives.end(), [&](const CdDrive& drive) {
        return drive.letter == rememberedDrive && fits(drive);
    });
    const auto found = remembered != drives.end() ? remembered : std::find_if(drives.begin(), drives.end(), fits);
    if (found == drives.end()) {
        return finding;
    }
    finding.virtualDrive = found->letter;
    for (const CdDrive& drive : drives) {
        if (drive.letter != found->letter && !drive.tracks.empty()) {
            finding.otherAudioCd = drive.letter;
            break;
        }
    }
    return finding;
}

std::string CdNotPresentedMessage(int group, std::size_t files, const std::vector<CdDrive>& drives) {
    std::string shown;
    for (const CdDrive& drive : drives) {
        shown += (shown.empty() ? "" : ", ") + Shows(drive);
    }
    return "Error: ImageDrive did not present the image of group " + std::to_string(group) +
           ": no CD drive shows its " + TrackCount(files) + " (" +
           (shown.empty() ? std::string("Windows shows no CD drive") : shown) +
           "). Check that ImageDrive is installed with a virtual drive and that nothing holds the image (an "
           "antivirus may), then press Start.";
}

std::string OtherAudioCdMessage(const std::string& letter) {
    return "Error: Drive " + letter + " holds an audio CD. Simple Burner may record it instead of ImageDrive's "
           "virtual CD: take it out, then press Start.";
}

}  // namespace velutreck
