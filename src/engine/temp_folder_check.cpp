#include "engine/temp_folder_check.h"

#include <exception>

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

std::string TempFolderMessage(const std::string& tempFolder) {
    return "Error: Velutreck cannot write into " + tempFolder +
           ". Windows protects this folder; choose a folder of your own on the Settings tab, for example in "
           "Documents.";
}

}  // namespace velutreck
