// What Velutreck can see for itself before Simple Burner records a group, without touching the
// driven programs: the tracks of the image Nero wrote, and the tracks of the CD that ImageDrive's
// virtual drive presents. Both must be the group's files, one track per file in list order, each
// as long as its file within two seconds or 2 % (Media Foundation's length of a variable-bit-rate
// MP3 is an estimate); a file of unknown length is matched by count only. A CD drive other than the
// virtual one that holds an audio CD may be what Simple Burner records instead.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "platform/cd_drives.h"
#include "platform/media_lengths.h"

namespace velutreck {

using TrackLengths = std::vector<std::chrono::milliseconds>;

struct GroupFile {
    std::string path;
    MediaLength length;
};

// Whether the track can be the file.
bool TrackFits(const MediaLength& file, std::chrono::milliseconds track);
// Whether the tracks are the files, one by one in order.
bool TracksFit(const std::vector<GroupFile>& files, const TrackLengths& tracks);

// The "Error: " message for an image that does not hold the group's files; none when it does.
// group: the group's number in the job, from 1.
std::optional<std::string> ImageProblem(int group, const std::vector<GroupFile>& files, const TrackLengths& tracks);

struct CdFinding {
    std::optional<std::string> virtualDrive;  // the letter of the drive that shows the group's tracks
    std::optional<std::string> otherAudioCd;  // the letter of another drive that holds an audio CD
};

// Looks for the group's CD among the drives, the remembered virtual drive first.
CdFinding FindGroupCd(const std::vector<CdDrive>& drives, const std::vector<GroupFile>& files,
                      const std::optional<std::string>& rememberedDrive);

// The "Error: " message for a group's CD that no drive shows.
std::string CdNotPresentedMessage(int group, std::size_t files, const std::vector<CdDrive>& drives);
std::string OtherAudioCdMessage(const std::string& letter);

}  // namespace velutreck
