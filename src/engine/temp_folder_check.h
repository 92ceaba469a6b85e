// Whether Nero can write the temporary image into the temp folder and Velutreck delete it there.
// Nero and ImageDrive are old programs: what they write into a folder Windows protects (the root of
// the system drive, Program Files, Windows), Windows may quietly put into the user's VirtualStore
// instead, where Velutreck neither sees nor deletes it, and the next group's "Save Image File" then
// meets an image that is already there. Such a folder is answered with Velutreck's own folder under
// the user's local application data, which neither OneDrive keeps nor Controlled Folder Access guards.
#pragma once

#include <string>

#include "platform/file_system.h"

namespace velutreck {

// Whether Velutreck can create a file where the image goes and delete it again. Velutreck's own
// writes are never redirected, so a folder Windows protects from the user fails here.
bool TempFolderUsable(const std::string& tempFolder, FileSystem& files);

// "%LOCALAPPDATA%\Velutreck\Images\" as the real path, with the trailing backslash the image's name
// goes straight after; empty when Windows does not say where the local application data is.
std::string OwnTempFolder(const FileSystem& files);

// Makes the folder and its parents; whether it is then usable.
bool MadeUsable(const std::string& tempFolder, FileSystem& files);

// Whether to use Velutreck's own folder instead of the one that cannot be written.
std::string OwnTempFolderQuestion(const std::string& tempFolder, const std::string& ownFolder);

// "Error: Velutreck cannot write into ..." with what to do, naming the folder as typed.
std::string TempFolderMessage(const std::string& tempFolder);

}  // namespace velutreck
