#include "app/program_files_x86.h"

#include "base/file_in_folder.h"
#include "base/windows_paths.h"

namespace velutreck {

void PreferProgramFilesX86(TextBox& programPath, const FileSystem& files) {
    const std::string path = programPath.Text();
    const std::string programFilesX86 = files.KnownFolderPath(KnownFolder::ProgramFilesX86);
    if (programFilesX86.empty() || files.FileExists(path)) {
        return;
    }
    const auto below = PathBelow(path, files.KnownFolderPath(KnownFolder::ProgramFiles));
    if (!below) {
        return;
    }
    const std::string x86Path = FileInFolder(programFilesX86, *below);
    if (files.FileExists(x86Path)) {
        programPath.SetText(x86Path);
    }
}

}  // namespace velutreck
