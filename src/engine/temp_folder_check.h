// Whether Nero can write the temporary image into the temp folder and Velutreck delete it there.
// Nero and ImageDrive are old programs: what they write into a folder Windows protects (the root of
// the system drive, Program Files, Windows), Windows may quietly put into the user's VirtualStore
// instead, where Velutreck neither sees nor deletes it, and the next group's "Save Image File" then
// meets an image that is already there.
#pragma once

#include <string>

#include "platform/file_system.h"

namespace velutreck {

// Whether Velutreck can create a file where the image goes and delete it again. Velutreck's own
// writes are never redirected, so a folder Windows protects from the user fails here.
bool TempFolderUsable(const std::string& tempFolder, FileSystem& files);

// "Error: Velutreck cannot write into ..." with what to do, naming the folder as typed.
std::string TempFolderMessage(const std::string& tempFolder);

}  // namespace velutreck
