#include "rehearsal/standins/shown_cd.h"

#include <cstdint>
#include <cstdio>

#include "base/file_in_folder.h"
#include "platform/cd_track_file.h"

namespace velutreck {

std::string CdTrackFileBytes(int number, std::chrono::milliseconds length) {
    std::string bytes = std::string("RIFF") + std::string("\x24\0\0\0", 4) + "CDDAfmt " + std::string("\x18\0\0\0", 4);
    const auto little = [&](std::uint32_t value, int size) {
        for (int i = 0; i < size; ++i) {
            bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
        }
    };
    const auto sectors = static_cast<std::uint32_t>(length.count() * 75 / 1000);
    little(1, 2);  // version
    little(static_cast<std::uint32_t>(number), 2);
    little(0x56454C55, 4);  // the disc's serial number
    little(0, 4);           // first sector
    little(sectors, 4);
    little(0, 4);  // first sector as frames, seconds, minutes
    little(((sectors / 75 / 60) << 16) | (((sectors / 75) % 60) << 8) | (sectors % 75), 4);
    return bytes;
}

void ShowCdTracks(FileSystem& files, const std::string& root, const std::vector<std::chrono::milliseconds>& tracks) {
    if (!files.FolderExists(root)) {
        files.CreateFolder(root);
    }
    for (const std::string& name : files.ListFolder(root).files) {
        if (IsCdTrackFile(name)) {
            files.DeleteFile(FileInFolder(root, name));
        }
    }
    for (std::size_t index = 0; index < tracks.size(); ++index) {
        char name[16];
        std::snprintf(name, sizeof(name), "Track%02d.cda", static_cast<int>(index + 1));
        files.WriteFile(FileInFolder(root, name), CdTrackFileBytes(static_cast<int>(index + 1), tracks[index]));
    }
}

}  // namespace velutreck
