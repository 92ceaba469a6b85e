#include "tracklist/hidden_drive.h"

namespace velutreck {

std::optional<HiddenDrive> DriveHiddenByElevation(const std::string& path, const FileSystem& files) {
    if (path.size() < 2 || path[1] != ':' || !files.RunsElevated()) {
        return std::nullopt;
    }
    const char letter = static_cast<char>(path[0] & ~0x20);  // upper case
    const std::optional<std::string> share = files.NormalSessionMapping(letter);
    // With linked connections the drive is there, and the file simply missing.
    if (!share || files.FolderExists(std::string{letter, ':', '\\'})) {
        return std::nullopt;
    }
    return HiddenDrive{letter, *share};
}

std::string HiddenDriveMessage(const HiddenDrive& drive) {
    const std::string name = std::string{drive.letter, ':'};
    return "Error: Velutreck runs as administrator and does not see drive " + name +
           ", which is mapped for your normal session; start Velutreck without administrator rights, or add "
           "the files from " +
           drive.share + " instead of " + name + ".";
}

}  // namespace velutreck
