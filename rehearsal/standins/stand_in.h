// What a stand-in for one of the driven programs may ask of whatever hosts it, and what the host
// calls on it. The behaviour is written once against these two interfaces, so the same stand-in
// runs on the simulated desktop and, hosted in real windows, as a Windows program under Wine.
// (The names avoid those that <windows.h> turns into macros.)
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/desktop.h"
#include "platform/file_system.h"
#include "platform/keys.h"
#include "rehearsal/standins/mini_disc.h"
#include "rehearsal/standins/virtual_drive.h"

namespace velutreck {

class StandInHost {
public:
    StandInHost() = default;
    StandInHost(const StandInHost&) = delete;
    StandInHost& operator=(const StandInHost&) = delete;
    virtual ~StandInHost() = default;

    // A window of this program: top-level for parent 0 (placed on top of the others, without the
    // focus), otherwise the parent's last child.
    virtual WindowHandle AddWindow(WindowHandle parent, const std::string& className, const std::string& text) = 0;
    // Removes the window with all its children.
    virtual void RemoveWindow(WindowHandle window) = 0;
    virtual void SetText(WindowHandle window, const std::string& text) = 0;
    virtual std::string TextOf(WindowHandle window) const = 0;
    // The window takes the keyboard focus; its top-level window comes to the top and the foreground.
    virtual void GiveFocus(WindowHandle window) = 0;
    // Runs the action later, unless the program has ended by then.
    virtual void RunAfter(std::uint32_t milliseconds, std::function<void()> action) = 0;
    // Ends the program: its windows go, and nothing of it runs any more.
    virtual void ExitProgram() = 0;
    virtual FileSystem& Files() = 0;
    // Writes the file as that many zero bytes followed by the tail, without the zeros costing
    // memory or disk: the silence of a CD image.
    virtual void WriteFileAfterZeros(const std::string& path, std::uint64_t zeros, const std::string& tail) = 0;
    // How long the media file plays, as a program that decodes it finds; none when it cannot tell.
    virtual std::optional<std::chrono::milliseconds> PlayingTime(const std::string& path) = 0;
    // A line for whoever watches the desktop (the transcript in the simulation).
    virtual void Note(const std::string& text) = 0;
    // The MiniDisc in the NetMD unit, read and written whole.
    virtual MiniDisc ReadDisc() = 0;
    virtual void WriteDisc(const MiniDisc& disc) = 0;
    // ImageDrive's virtual drive. The drive holds its mounted image open, so that file cannot be
    // deleted until another image takes its place.
    virtual VirtualDrive ReadDrive() = 0;
    virtual void WriteDrive(const VirtualDrive& drive) = 0;
    // The roots of the CD-ROM drives ("E:\\"), in letter order; ImageDrive's virtual drive is one.
    virtual std::vector<std::string> CdDriveRoots() = 0;
};

class StandIn {
public:
    StandIn() = default;
    StandIn(const StandIn&) = delete;
    StandIn& operator=(const StandIn&) = delete;
    virtual ~StandIn() = default;

    // The program starts with the text that followed its path on the command line. The host
    // outlives the stand-in.
    virtual void Start(StandInHost& host, const std::string& arguments) = 0;
    // A key stroke typed while one of the program's windows has the focus.
    virtual void OnKey(WindowHandle window, const KeyStroke& key) = 0;
    // A message posted to one of the program's windows.
    virtual void OnMessage(WindowHandle window, std::uint32_t message, std::uint32_t wParam, std::uint32_t lParam) = 0;
};

using StandInFactory = std::function<std::unique_ptr<StandIn>()>;

// Runs the action at once, or after the delay when there is one.
inline void RunNowOrAfter(StandInHost& host, std::uint32_t milliseconds, const std::function<void()>& action) {
    if (milliseconds == 0) {
        action();
    } else {
        host.RunAfter(milliseconds, action);
    }
}

}  // namespace velutreck
