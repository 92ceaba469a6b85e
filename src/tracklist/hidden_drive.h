// Drives that an elevated Velutreck does not see. Windows keeps the drive letters mapped in the
// user's normal session apart from a program run as administrator (unless linked connections are
// set), so a listed file there, which the user sees in Explorer, does not exist for Velutreck.
// Telling the user so beats reporting the file as missing.
#pragma once

#include <optional>
#include <string>

#include "platform/file_system.h"

namespace velutreck {

struct HiddenDrive {
    char letter = 0;  // upper case
    std::string share;  // what the letter is mapped to in the normal session: "\\nas\music"
};

// The path's drive when Velutreck runs elevated and cannot see it, while the user has it mapped for
// the normal session.
std::optional<HiddenDrive> DriveHiddenByElevation(const std::string& path, const FileSystem& files);

// "Error: Velutreck runs as administrator and does not see drive Z:, ..." with what to do.
std::string HiddenDriveMessage(const HiddenDrive& drive);

}  // namespace velutreck
