// Windows paths as the program compares them: letters without regard to case (ASCII letters only,
// which covers the folders Windows names for itself), "/" read as "\", and a folder the same with
// or without its trailing backslash.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velutreck {

bool SamePath(std::string_view a, std::string_view b);

// The rest of the path below the folder ("ahead\Nero" for "C:\Program Files\ahead\Nero" in
// "C:\Program Files"); none when it does not lie inside the folder or is the folder itself.
std::optional<std::string> PathBelow(std::string_view path, std::string_view folder);

// The folder part of a full file path, without a trailing backslash except at a drive root
// ("C:\"), which is not "C:", the drive's current folder.
std::string FolderOfFile(const std::string& filePath);

}  // namespace velutreck
