// What a driver operation may touch: the desktop it drives, and a narrow view of the main window
// that it reads at the moment it runs. The drivers keep no state of their own.
#pragma once

#include <string>
#include <vector>

#include "base/int16.h"
#include "platform/desktop.h"

namespace velutreck {

class MainWindowView {
public:
    MainWindowView() = default;
    MainWindowView(const MainWindowView&) = delete;
    MainWindowView& operator=(const MainWindowView&) = delete;
    virtual ~MainWindowView() = default;

    virtual std::string AudioProject() const = 0;   // txtAudioProject
    virtual std::string TempFolder() const = 0;     // txtTempFolder
    virtual std::string ImageDrive() const = 0;     // txtImageDrive
    virtual std::string SimpleBurner() const = 0;   // txtSimpleBurner
    virtual std::string DiscName() const = 0;       // txtDiscName
    virtual Int16 Compression() const = 0;          // cboCompression: 0 "LP2", 1 "LP4"
    virtual Int16 GeneralShortPause() const = 0;    // hidden value, seconds
    virtual Int16 GeneralLongPause() const = 0;     // hidden value, seconds
    virtual const std::vector<std::string>& TrackNames() const = 0;
    // The folder of Velutreck's own program file, without a trailing backslash except at a root.
    virtual std::string ProgramFolder() const = 0;
    virtual WindowHandle OwnerWindow() const = 0;   // the main window
};

struct DriverContext {
    Desktop& desktop;
    const MainWindowView& window;
};

}  // namespace velutreck
