// Whether Nero can write the temporary image into the temp folder and Velutreck delete it there.
// Nero and ImageDrive are old programs: what they write into a folder Windows protects, Windows
// may quietly put into the user's VirtualStore instead, where Velutreck neither sees nor deletes
// it, and the next group's "Save Image File" then meets an image that is already there.
#pragma once

#include <string>

#include "platform/file_system.h"

namespace velutreck {

// False for a folder Windows protects (the root of its drive, Program Files and Windows with every
// folder below them), even when Velutreck could write there (run as administrator), and for a
// folder where Velutreck cannot create a file and delete it again. The folder is the one the
// image goes into, which for a text without its trailing backslash is the parent.
bool TempFolderUsable(const std::string& tempFolder, FileSystem& files);

// "Error: Velutreck cannot write into ..." with what to do, naming the folder as typed.
std::string TempFolderMessage(const std::string& tempFolder);

}  // namespace velutreck
