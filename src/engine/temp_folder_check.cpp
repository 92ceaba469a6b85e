#include "engine/temp_folder_check.h"

#include <exception>

#include "base/file_in_folder.h"

namespace velutreck {

namespace {

// Beside the image, under a name of its own, so that a mounted image cannot get in the way: a
// folder typed without its backslash puts both in its parent ("C:\Temp~TmpVelutreck.tmp").
const std::string ProbeName = "~TmpVelutreck.tmp";

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
    return CanCreateAndDelete(tempFolder + ProbeName, files);
}

std::string OwnTempFolder(const FileSystem& files) {
    const std::string local = files.KnownFolderPath(KnownFolder::LocalAppData);
    return local.empty() ? local : FileInFolder(local, "Velutreck\\Images\\");
}

bool MadeUsable(const std::string& tempFolder, FileSystem& files) {
    try {
        files.CreateFolder(tempFolder);
    } catch (const std::exception&) {
        return false;
    }
    return TempFolderUsable(tempFolder, files);
}

std::string OwnTempFolderQuestion(const std::string& tempFolder, const std::string& ownFolder) {
    return "Velutreck cannot write into " + tempFolder +
           ", which Windows protects. Let it keep the temporary image in a folder of its own, " + ownFolder +
           ", instead?";
}

std::string TempFolderMessage(const std::string& tempFolder) {
    return "Error: Velutreck cannot write into " + tempFolder +
           ". Choose a folder of your own for the temporary image on the Settings tab.";
}

}  // namespace velutreck
