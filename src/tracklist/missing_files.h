// Files of the track list that are no longer where the list says (moved, renamed, on a drive that
// was unplugged), found before a job starts and reported in one message.
#pragma once

#include <string>
#include <vector>

#include "platform/controls.h"
#include "platform/file_system.h"

namespace velutreck {

// The file entries whose file does not exist, in list order, each named once.
std::vector<std::string> MissingFiles(const ListBox& list, const FileSystem& files);

// "Error: X does not exist." for one file; several are named up to three, the rest counted:
// "Error: X, Y, Z and 2 more files of the list do not exist."
std::string MissingFilesMessage(const std::vector<std::string>& missing);

}  // namespace velutreck
