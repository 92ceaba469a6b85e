#include "engine/temp_folder_check.h"

#include <exception>

#include "base/windows_paths.h"
#include "drivers/temp_image.h"

namespace velutreck {

namespace {

// Beside the image, under a name of its own, so that a mounted image cannot get in the way.
const std::string ProbeName = "~TmpVelutreck.tmp";

bool WindowsProtects(const std::string& folder, const FileSystem& files) {
    const std::string windows = files.KnownFolderPath(KnownFolder::Windows);
    // The drive's root alone: a folder a user makes below it is the user's own.
    if (windows.size() >= 3 && windows[1] == ':' && SamePath(folder, windows.substr(0, 3))) {
        return true;
    }
    for (const KnownFolder tree : {KnownFolder::ProgramFiles, KnownFolder::ProgramFilesX86, KnownFolder::Windows}) {
        const std::string path = files.KnownFolderPath(tree);
        if (!path.empty() && (SamePath(folder, path) || PathBelow(folder, path))) {
            return true;
        }
    }
    return false;
}

// Windows virtualizes only 32-bit programs without a manifest that names their execution level;
// 64-bit Velutreck's own writes are never redirected, so what it finds here is the folder's truth.
bool CanCreateAndDelete(const std::string& path, FileSystem& files) {
    try {
        files.WriteFile(path, "");
        files.DeleteFile(path);
    } catch (const std::exception&) {
        return false;
    }
    return !files.FileExists(path);
}

}  // namespace

bool TempFolderUsable(const std::string& tempFolder, FileSystem& files) {
    const std::string imageFolder = FolderOfFile(files.FullPath(TempImagePath(tempFolder)));
    return !WindowsProtects(imageFolder, files) && CanCreateAndDelete(tempFolder + ProbeName, files);
}

std::string TempFolderMessage(const std::string& tempFolder) {
    return "Error: Velutreck cannot write into " + tempFolder +
           ". Windows protects this folder; choose a folder of your own on the Settings tab, for example in "
           "Documents.";
}

}  // namespace velutreck
