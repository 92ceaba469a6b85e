// An audio CD as Windows shows it in a drive's root: one 44-byte "TrackNN.cda" file per track,
// which holds the track's length. ImageDrive's stand-in fills its drive's folder so, and a test
// puts a music CD into another drive the same way.
#pragma once

#include <chrono>
#include <string>
#include <vector>

#include "platform/file_system.h"

namespace velutreck {

// Track "number" of a disc, that many milliseconds long (rounded down to whole sectors).
std::string CdTrackFileBytes(int number, std::chrono::milliseconds length);
// Replaces the CD track files in the root with the tracks'; no tracks empties the drive.
void ShowCdTracks(FileSystem& files, const std::string& root, const std::vector<std::chrono::milliseconds>& tracks);

}  // namespace velutreck
