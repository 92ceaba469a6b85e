// The host that the simulated desktop gives each started program: the stand-in's windows, timers,
// notes and devices, all tied to the program's task.
#pragma once

#include "rehearsal/desktop/sim_desktop.h"

namespace velutreck {

class SimDesktop::TaskHost : public StandInHost {
public:
    TaskHost(SimDesktop& desktop, TaskId task) : desktop_(desktop), task_(task) {}

    WindowHandle AddWindow(WindowHandle parent, const std::string& className, const std::string& text) override;
    void RemoveWindow(WindowHandle window) override;
    void SetText(WindowHandle window, const std::string& text) override;
    std::string TextOf(WindowHandle window) const override;
    void GiveFocus(WindowHandle window) override;
    void RunAfter(std::uint32_t milliseconds, std::function<void()> action) override;
    void ExitProgram() override;
    FileSystem& Files() override { return desktop_.files_; }
    void WriteFileAfterZeros(const std::string& path, std::uint64_t zeros, const std::string& tail) override {
        desktop_.files_.WriteFileAfterZeros(path, zeros, tail);
    }
    std::optional<std::chrono::milliseconds> PlayingTime(const std::string& path) override {
        return desktop_.files_.PlayingTime(path);
    }
    void Note(const std::string& text) override { desktop_.Note(text); }
    MiniDisc ReadDisc() override { return desktop_.disc_; }
    void WriteDisc(const MiniDisc& disc) override { desktop_.disc_ = disc; }
    VirtualDrive ReadDrive() override { return desktop_.drive_; }
    void WriteDrive(const VirtualDrive& drive) override { desktop_.WriteDrive(drive); }
    std::vector<std::string> CdDriveRoots() override;

private:
    SimDesktop& desktop_;
    TaskId task_;
};

}  // namespace velutreck
