// What the hosted stand-ins share between their runs, kept in files of one folder: the MiniDisc
// in the NetMD unit (disc.txt), the image in ImageDrive's virtual drive (drive.txt, written only by
// the resident drive) and the log of their notes (standins.log). The folder is named by the
// environment variable VELUTRECK_STANDIN_STATE, else "VelutreckStandIns" in the user's temp folder.
#pragma once

#include <string>

#include "rehearsal/standins/mini_disc.h"
#include "rehearsal/standins/virtual_drive.h"

namespace velutreck {

inline constexpr char StandInStateVariable[] = "VELUTRECK_STANDIN_STATE";

class StandInState {
public:
    // The folder from the environment; it is made when it is missing.
    StandInState();
    explicit StandInState(std::string folder);

    const std::string& Folder() const { return folder_; }
    std::string DiscFile() const { return folder_ + "\\disc.txt"; }
    std::string DriveFile() const { return folder_ + "\\drive.txt"; }
    std::string LogFile() const { return folder_ + "\\standins.log"; }

    // No file is an empty disc; a damaged one throws a FileSystem failure.
    MiniDisc ReadDisc() const;
    void WriteDisc(const MiniDisc& disc);
    // No file, or an empty one, is an empty drive.
    VirtualDrive ReadDrive() const;
    void WriteDrive(const VirtualDrive& drive);
    std::string ReadLog() const;
    // Appends one line; several programs may append at once. False when the log cannot be written.
    bool AppendToLog(const std::string& line) noexcept;

private:
    std::string folder_;
};

}  // namespace velutreck
