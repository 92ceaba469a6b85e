// Where Velutreck's own files lie: the folder of the running program file, which holds the empty
// image and the help page.
#pragma once

#include <string>

namespace velutreck {

// The program file's folder, without a trailing backslash except at a drive root ("C:\").
std::string ProgramFolder();

// The folder part of a full file path, by the same rule.
std::string FolderOfFile(const std::string& filePath);

}  // namespace velutreck
