// Files of the track list that are no longer where the list says (moved, renamed, on a drive that
// was unplugged), found before a job starts and reported in one message.
#pragma once

#include <string>
#include <vector>

#include "platform/controls.h"
#include "platform/file_system.h"

namespace velutreck {

// What the user is told of the file entries whose file does not exist, in order: a message for each
// drive that Velutreck does not see because it runs as administrator, then one for the files that
// are simply missing, each named once in list order: "Error: X does not exist." for one; several
// are named up to three, the rest counted: "Error: X, Y, Z and 2 more files of the list do not exist."
std::vector<std::string> MissingFilesMessages(const ListBox& list, const FileSystem& files);

}  // namespace velutreck
