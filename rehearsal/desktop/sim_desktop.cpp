#include "rehearsal/desktop/sim_desktop.h"

#include <algorithm>

#include "base/failure.h"
#include "rehearsal/desktop/sim_task_host.h"
#include "rehearsal/desktop/sim_text.h"
#include "rehearsal/desktop/transcript_text.h"

namespace velutreck {

namespace {

const std::string OwnKeysRefused = "Keys would be typed into Velutreck's own window";

}  // namespace

SimDesktop::SimDesktop() { clock_.SetPump([this] { DeliverQueuedInput(); }); }

SimDesktop::~SimDesktop() = default;

WindowHandle SimDesktop::FindWindow(WindowHandle parent, WindowHandle childAfter,
                                    const std::optional<std::string>& className,
                                    const std::optional<std::string>& caption) {
    const WindowHandle found = windows_.Find(parent, childAfter, className, caption);
    Note("FindWindow(" + std::to_string(parent) + ", " + std::to_string(childAfter) + ", " + QuotedOrAny(className) +
         ", " + QuotedOrAny(caption) + ") = " + std::to_string(found));
    return found;
}

// Values show as four hexadecimal digits, or eight for an lParam that needs them (0x00010001).
void SimDesktop::PostMessage(WindowHandle window, std::uint32_t message, std::uint32_t wParam, std::uint32_t lParam) {
    Note("PostMessage(" + std::to_string(window) + ", " + MessageName(message) + ", " + Hex(wParam, 4) + ", " +
         Hex(lParam, lParam > 0xFFFF ? 8 : 4) + ")");
    if (window != 0 && windows_.Exists(window)) {
        RefuseIfElevated("PostMessage", window);
        QueueMessage(window, message, wParam, lParam);
    }
}

void SimDesktop::QueueMessage(WindowHandle window, std::uint32_t message, std::uint32_t wParam, std::uint32_t lParam) {
    QueuedInput input;
    input.window = window;
    input.message = message;
    input.wParam = wParam;
    input.lParam = lParam;
    queue_.push_back(std::move(input));
}

// The classic activation: an exact title first, then a title that begins with the text, letter
// case ignored; the topmost window wins among several.
void SimDesktop::ActivateByTitle(const std::string& title) {
    const std::string call = "ActivateByTitle(" + Quoted(title) + ")";
    WindowHandle match = 0;
    for (bool exact : {true, false}) {
        for (WindowHandle window : windows_.TopLevel()) {
            const std::string& text = windows_.Window(window).text;
            if (exact ? EqualsIgnoringCase(text, title) : StartsWithIgnoringCase(text, title)) {
                match = window;
                break;
            }
        }
        if (match != 0) {
            break;
        }
    }
    if (match == 0) {
        Note(call + " failed");
        throw Failure(FailureKind::Automation, "No window has the title " + Quoted(title));
    }
    ActivateWindow(call, match);
}

void SimDesktop::ActivateByTask(TaskId task) {
    const std::string call = "ActivateByTask(" + std::to_string(task) + ")";
    const std::vector<WindowHandle> windows = windows_.TopLevelOfTask(task);
    if (windows.empty()) {
        Note(call + " failed");
        throw Failure(FailureKind::NoWindow, "Program " + std::to_string(task) + " has no window");
    }
    ActivateWindow(call, windows.front());
}

void SimDesktop::ActivateWindow(const std::string& call, WindowHandle window) {
    const std::string title = Quoted(windows_.Window(window).text);
    if (hung_.contains(TaskOf(window))) {
        Note(call + " failed: not responding");
        throw Failure(FailureKind::NotResponding, title + " is not responding");
    }
    if (foregroundRefused_) {
        Note(call + " failed: the foreground was refused");
        throw Failure(FailureKind::Automation, title + " did not come to the front");
    }
    Note(call);
    windows_.Activate(window);
    intended_ = TaskOf(window);
}

// Keys go to whatever has the focus, so they are typed only while a window of the program they
// are meant for has it: never into Velutreck's own window, a bystander that took the focus, or
// nowhere at all.
void SimDesktop::RefuseUnlessIntended(const std::string& call, const KeySequence& keys) {
    if (FocusIsOwn()) {
        Note(call + " failed: " + OwnKeysRefused);
        throw Failure(FailureKind::Automation, OwnKeysRefused + ": " + Quoted(keys.notation));
    }
    if (windows_.Focus() == 0) {
        AwaitForeground(call);
    }
    const WindowHandle focus = windows_.Focus();
    if (focus == 0 || TaskOf(focus) != intended_) {
        const std::string where = focus == 0 ? "no window" : Quoted(windows_.Window(focus).text);
        Note(call + " failed: the focus is in " + where + ", not in the program the keys are meant for");
        throw Failure(FailureKind::Automation, "The keys " + Quoted(keys.notation) + " were not typed: " + where +
                                                   " has the focus");
    }
}

void SimDesktop::SetHung(TaskId task, bool hung) {
    if (hung) {
        hung_.insert(task);
        return;
    }
    hung_.erase(task);
    // What waited for the program reaches it now, before anything that came later.
    queue_.insert(queue_.begin(), heldBack_.begin(), heldBack_.end());
    heldBack_.clear();
}

// A command line that names an existing file as a whole starts exactly that file; any other is read
// the way Windows reads an unquoted one.
TaskId SimDesktop::StartProgram(const std::string& commandLine) {
    const std::string call = "StartProgram(" + Quoted(commandLine) + ")";
    const std::optional<ProgramLaunch> launch = files_.FileExists(commandLine)
                                                    ? programs_.Exactly(commandLine)
                                                    : programs_.FromCommandLine(commandLine, files_);
    if (!launch || !files_.FileExists(launch->program)) {
        Note(call + " failed");
        throw Failure(FailureKind::Automation, "Cannot start the program " + Quoted(commandLine));
    }
    if (RunsAsAdministrator(launch->program) && ownIntegrity_ == Integrity::Medium) {
        Note(call + " failed: elevation required");
        throw Failure(FailureKind::ElevationRequired, "The program " + Quoted(launch->program) + " requires elevation.");
    }
    const TaskId task = NewTask(launch->program);
    Note(call + " = " + std::to_string(task));
    intended_ = task;
    StartStandIn(task, *launch);
    return task;
}

void SimDesktop::AddCdRom(const std::string& letter, std::uint32_t spinUpMs) {
    files_.CreateFolder(letter + "\\");
    std::erase_if(cdRoms_, [&](const CdRom& drive) { return drive.letter == letter; });
    cdRoms_.push_back(CdRom{letter, spinUpMs});
    std::sort(cdRoms_.begin(), cdRoms_.end(), [](const CdRom& a, const CdRom& b) { return a.letter < b.letter; });
}

std::string SimDesktop::WindowText(WindowHandle window) {
    Note("WindowText(" + std::to_string(window) + ")");
    if (!windows_.Exists(window)) {
        throw Failure(FailureKind::Automation, "Window " + std::to_string(window) + " does not exist");
    }
    return windows_.Window(window).text;
}

std::string SimDesktop::ShellOpen(WindowHandle owner, const std::string& file, const std::string& parameters) {
    Note("ShellOpen(" + std::to_string(owner) + ", " + Quoted(file) + ", " + Quoted(parameters) + ")");
    const std::optional<ProgramLaunch> launch = programs_.FromShellOpen(file, parameters, files_);
    if (!launch || !files_.FileExists(launch->program)) {
        Note("Shell: nothing opens " + Quoted(file));
        return files_.FileExists(file) ? "no program is set to open such a file" : "the file was not found";
    }
    StartStandIn(NewTask(launch->program), *launch);
    return "";
}

void SimDesktop::Pause(std::uint32_t milliseconds) {
    Note("Pause(" + std::to_string(milliseconds) + ")");
    const SimWindowThread::Answering answering(ownThread_);
    clock_.AdvanceBy(milliseconds);
}

void SimDesktop::KeepAwake(bool awake) { keptAwake_ = awake; }

bool SimDesktop::LatinLayoutInstalled() {
    const std::vector<SimLayout>& installed = keyboard_.InstalledLayouts();
    return std::any_of(installed.begin(), installed.end(),
                       [](SimLayout layout) { return HasLatinLetters(SimKeyboard::LayoutFor(layout)); });
}

WindowHandle SimDesktop::CreateOwnWindow(const std::string& title) {
    if (ownWindow_ != 0) {
        throw std::logic_error("Velutreck's own window exists already");
    }
    ownTask_ = NewTask("Velutreck");
    ownWindow_ = windows_.Create(0, "VelutreckMain", title, ownTask_);
    windows_.GiveFocus(ownWindow_);
    return ownWindow_;
}

WindowHandle SimDesktop::AddBystander(const std::string& title) {
    const WindowHandle window = windows_.Create(0, "Bystander", title, NewTask(title));
    windows_.GiveFocus(window);
    return window;
}

void SimDesktop::UserActivates(WindowHandle window) {
    Note("The user activates " + Quoted(windows_.Window(window).text));
    windows_.Activate(windows_.TopLevelOf(window));
    if (windows_.TopLevelOf(window) == ownWindow_) {
        taskbar_.BroughtToFront();
    }
}

void SimDesktop::InstallProgram(const std::string& path, StandInFactory factory) {
    programs_.Install(path, std::move(factory));
    files_.AddFile(path, "stand-in program\n");
}

void SimDesktop::Associate(const std::string& extension, const std::string& programPath) {
    programs_.Associate(extension, programPath);
}

bool SimDesktop::TaskRunning(TaskId task) const {
    const auto found = tasks_.find(task);
    return found != tasks_.end() && found->second.running;
}

void SimDesktop::Note(const std::string& text) { transcript_.Add(clock_.Now(), text); }

}  // namespace velutreck
