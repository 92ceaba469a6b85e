// The simulated desktop: the Desktop that the drivers use, on a model of windows, programs and
// files in virtual time. Programs are stand-ins installed at a path; Velutreck's own window and
// windows of other programs (bystanders) can be added, so that keys typed into the wrong window
// show where they went. Every call is written to the transcript with its virtual time.
#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/desktop.h"
#include "platform/key_events.h"
#include "rehearsal/desktop/program_registry.h"
#include "rehearsal/desktop/sim_clock.h"
#include "rehearsal/desktop/sim_file_system.h"
#include "rehearsal/desktop/sim_keyboard.h"
#include "rehearsal/desktop/sim_taskbar_button.h"
#include "rehearsal/desktop/sim_transcript.h"
#include "rehearsal/standins/mini_disc.h"
#include "rehearsal/standins/stand_in.h"
#include "rehearsal/standins/virtual_drive.h"
#include "rehearsal/desktop/window_tree.h"

namespace velutreck {

class SimDesktop : public Desktop {
public:
    SimDesktop();
    ~SimDesktop() override;

    WindowHandle FindWindow(WindowHandle parent, WindowHandle childAfter, const std::optional<std::string>& className,
                            const std::optional<std::string>& caption) override;
    void PostMessage(WindowHandle window, std::uint32_t message, std::uint32_t wParam, std::uint32_t lParam) override;
    void InjectKeys(const KeySequence& keys, bool waited) override;
    void ActivateByTitle(const std::string& title) override;
    void ActivateByTask(TaskId task) override;
    TaskId StartProgram(const std::string& commandLine) override;
    void ShellOpen(WindowHandle owner, const std::string& file, const std::string& parameters) override;
    void Pause(std::uint32_t milliseconds) override;
    void KeepAwake(bool awake) override;

    // Velutreck's own main window, in the foreground. Keys are never typed into it: an injection
    // while the focus is there fails.
    WindowHandle CreateOwnWindow(const std::string& title);
    WindowHandle OwnWindow() const { return ownWindow_; }
    // A top-level window of some other program that takes the focus and keeps what is typed.
    WindowHandle AddBystander(const std::string& title);
    // The user clicks a window: it comes to the front with the focus.
    void UserActivates(WindowHandle window);
    // Installs a program (its file appears in the file system) and associates document types.
    void InstallProgram(const std::string& path, StandInFactory factory);
    void Associate(const std::string& extension, const std::string& programPath);

    SimClock& Clock() { return clock_; }
    SimFileSystem& Files() { return files_; }
    SimTranscript& Transcript() { return transcript_; }
    const WindowTree& Windows() const { return windows_; }
    // Kept after the window has gone.
    const std::vector<std::string>& TypedKeys(WindowHandle window) const { return windows_.TypedKeys(window); }
    // The keyboard the keys are typed on: US with Caps Lock off unless a test says otherwise.
    void SetCapsLock(bool on) { keyboard_.SetCapsLock(on); }
    bool CapsLockOn() const { return keyboard_.CapsLockOn(); }
    void SetLayout(SimLayout layout) { keyboard_.SetLayout(layout); }
    MiniDisc& Disc() { return disc_; }
    const VirtualDrive& Drive() const { return drive_; }
    bool TaskRunning(TaskId task) const;
    // The taskbar button of Velutreck's own window.
    SimTaskbarButton& Taskbar() { return taskbar_; }
    // Whether Velutreck asks the system and the display to stay awake.
    bool KeptAwake() const { return keptAwake_; }
    TaskId TaskOf(WindowHandle window) const { return windows_.Window(window).task; }

    // A harsh desktop, on request. With the foreground refused, Windows keeps every other program
    // from coming to the front: activations fail and the focus stays where it is.
    void SetForegroundRefused(bool refused) { foregroundRefused_ = refused; }
    // A hung program takes no input: what is posted or typed to it waits until it recovers, a
    // waited injection gives up on it after a few seconds, and activating it fails.
    void SetHung(TaskId task, bool hung);
    // How long a waited injection waits for a program that takes none of its keys.
    static constexpr std::uint32_t HungInjectionWaitMs = 5000;
    // The user ends every driven program that still runs, as the checklist before a job asks.
    void EndDrivenPrograms();
    // Adds a line to the transcript at the current time.
    void Note(const std::string& text);

private:
    class TaskHost;
    struct Task {
        std::string program;
        std::unique_ptr<TaskHost> host;
        std::unique_ptr<StandIn> standIn;  // none for Velutreck and bystanders
        bool running = true;
    };
    struct QueuedInput {
        WindowHandle window = 0;  // a posted message when not 0, else keys
        std::uint32_t message = 0;
        std::uint32_t wParam = 0;
        std::uint32_t lParam = 0;
        std::vector<KeyEvent> keys;
        std::uint64_t injection = 0;
    };

    TaskId NewTask(const std::string& program);
    void StartStandIn(TaskId task, const ProgramLaunch& launch);
    void EndTask(TaskId task);
    void DeliverQueuedInput();
    std::vector<KeyEvent> TypingEvents(const KeySequence& keys) const;
    void DeliverKeys(const std::vector<KeyEvent>& keys, std::uint64_t injection);
    void DeliverMessage(const QueuedInput& input);
    StandIn* RunningStandIn(WindowHandle window);
    bool FocusIsOwn() const;
    void ActivateWindow(const std::string& call, WindowHandle window);
    void RefuseUnlessIntended(const std::string& call, const KeySequence& keys);
    bool HeldBack(const QueuedInput& input) const;
    void WriteDrive(const VirtualDrive& drive);

    SimClock clock_;
    SimFileSystem files_;
    SimTranscript transcript_;
    WindowTree windows_;
    ProgramRegistry programs_;
    MiniDisc disc_;
    VirtualDrive drive_;
    SimKeyboard keyboard_;
    std::map<TaskId, Task> tasks_;
    TaskId nextTask_ = 1;
    TaskId ownTask_ = 0;
    WindowHandle ownWindow_ = 0;
    std::deque<QueuedInput> queue_;
    std::uint64_t nextInjection_ = 1;
    bool keptAwake_ = false;
    SimTaskbarButton taskbar_{[this] { return ownWindow_ != 0 && windows_.Foreground() == ownWindow_; }};
    TaskId intended_ = 0;  // the program that keys are meant for: the one last started or activated
    bool foregroundRefused_ = false;
    std::set<TaskId> hung_;
    std::deque<QueuedInput> heldBack_;  // input for hung programs, in order
};

}  // namespace velutreck
