#include "rehearsal/desktop/sim_task_host.h"

namespace velutreck {

WindowHandle SimDesktop::TaskHost::AddWindow(WindowHandle parent, const std::string& className,
                                             const std::string& text) {
    return desktop_.windows_.Create(parent, className, text, task_);
}

// A program may let go of a window that has already gone with its parent.
void SimDesktop::TaskHost::RemoveWindow(WindowHandle window) {
    if (desktop_.windows_.Exists(window)) {
        desktop_.windows_.Destroy(window);
    }
}

void SimDesktop::TaskHost::SetText(WindowHandle window, const std::string& text) {
    if (desktop_.windows_.Exists(window)) {
        desktop_.windows_.SetText(window, text);
    }
}

std::string SimDesktop::TaskHost::TextOf(WindowHandle window) const {
    return desktop_.windows_.Exists(window) ? desktop_.windows_.Window(window).text : std::string();
}

void SimDesktop::TaskHost::GiveFocus(WindowHandle window) {
    if (desktop_.windows_.Exists(window)) {
        desktop_.GiveFocusAfterGap(window);
    }
}

void SimDesktop::TaskHost::RunAfter(std::uint32_t milliseconds, std::function<void()> action) {
    desktop_.clock_.Schedule(desktop_.clock_.Now() + milliseconds, [this, action = std::move(action)] {
        if (desktop_.TaskRunning(task_)) {
            action();
        }
    });
}

void SimDesktop::TaskHost::ExitProgram() { desktop_.EndTask(task_); }

}  // namespace velutreck

namespace velutreck {

TaskId SimDesktop::NewTask(const std::string& program) {
    const TaskId task = nextTask_++;
    tasks_[task] = Task{.program = program, .host = std::make_unique<TaskHost>(*this, task), .standIn = nullptr};
    return task;
}

void SimDesktop::StartStandIn(TaskId task, const ProgramLaunch& launch) {
    Task& started = tasks_.at(task);
    started.standIn = programs_.Factory(launch.program)();
    started.integrity = RunsAsAdministrator(launch.program) ? Integrity::High : ownIntegrity_;
    started.otherAccount = started.integrity > ownIntegrity_ && account_ == Account::Standard;
    started.standIn->Start(*started.host, launch.arguments);
}

// The stand-in object stays: the program may be ending from inside one of its own handlers.
void SimDesktop::EndTask(TaskId task) {
    tasks_.at(task).running = false;
    for (WindowHandle window : windows_.TopLevelOfTask(task)) {
        windows_.Destroy(window);
    }
}

void SimDesktop::EndDrivenPrograms() {
    for (auto& [task, running] : tasks_) {
        if (running.running && running.standIn) {
            Note("The user ends " + running.program);
            EndTask(task);
        }
    }
}

void SimDesktop::WriteDrive(const VirtualDrive& drive) {
    if (drive_.image && files_.FileExists(*drive_.image)) {
        files_.SetInUse(*drive_.image, false);
    }
    drive_ = drive;
    if (drive_.image && files_.FileExists(*drive_.image)) {
        files_.SetInUse(*drive_.image, true);
    }
}

std::vector<std::string> SimDesktop::TaskHost::CdDriveRoots() {
    std::vector<std::string> roots;
    for (const CdRom& drive : desktop_.cdRoms_) {
        roots.push_back(drive.letter + "\\");
    }
    return roots;
}

}  // namespace velutreck
