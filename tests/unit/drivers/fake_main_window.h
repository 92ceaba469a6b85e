// The main window as the drivers read it, with settings a test sets directly; the programs are
// where Velutreck looks for them by default.
#pragma once

#include <string>
#include <vector>

#include "drivers/driver_context.h"

namespace velutreck {

class FakeMainWindow : public MainWindowView {
public:
    std::string audioProject = "C:\\Jobs\\Empty.nra";
    std::string tempFolder = "C:\\Temp\\";
    std::string imageDrive = "C:\\Program Files\\ahead\\ImageDrive\\ImageDrive.exe";
    std::string simpleBurner = "C:\\Program Files\\Sony\\Net MD Simple Burner\\NetMDSB.exe";
    std::string discName;
    Int16 compression = 0;
    Int16 generalShortPause = 3;
    Int16 generalLongPause = 30;
    std::vector<std::string> trackNames;
    std::string programFolder = "C:\\Program Files\\Velutreck";
    WindowHandle owner = 77;

    std::string AudioProject() const override { return audioProject; }
    std::string TempFolder() const override { return tempFolder; }
    std::string ImageDrive() const override { return imageDrive; }
    std::string SimpleBurner() const override { return simpleBurner; }
    std::string DiscName() const override { return discName; }
    Int16 Compression() const override { return compression; }
    Int16 GeneralShortPause() const override { return generalShortPause; }
    Int16 GeneralLongPause() const override { return generalLongPause; }
    const std::vector<std::string>& TrackNames() const override { return trackNames; }
    std::string ProgramFolder() const override { return programFolder; }
    WindowHandle OwnerWindow() const override { return owner; }
};

}  // namespace velutreck
