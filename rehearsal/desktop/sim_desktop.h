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
#include "platform/privilege_isolation.h"
#include "rehearsal/desktop/program_registry.h"
#include "rehearsal/desktop/sim_clock.h"
#include "rehearsal/desktop/sim_file_system.h"
#include "rehearsal/desktop/sim_keyboard.h"
#include "rehearsal/desktop/sim_taskbar_button.h"
#include "rehearsal/desktop/sim_transcript.h"
#include "rehearsal/desktop/sim_window_thread.h"
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
    std::string WindowText(WindowHandle window) override;
    std::string ShellOpen(WindowHandle owner, const std::string& file, const std::string& parameters) override;
    void Pause(std::uint32_t milliseconds) override;
    void KeepAwake(bool awake) override;
    bool LatinLayoutInstalled() override;

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
    // The thread of Velutreck's window; a pause answers what is sent to it meanwhile.
    SimWindowThread& OwnThread() { return ownThread_; }
    SimFileSystem& Files() { return files_; }
    SimTranscript& Transcript() { return transcript_; }
    const WindowTree& Windows() const { return windows_; }
    // Kept after the window has gone.
    const std::vector<std::string>& TypedKeys(WindowHandle window) const { return windows_.TypedKeys(window); }
    // The keyboard the keys are typed on: US with Caps Lock off unless a test says otherwise.
    void SetCapsLock(bool on) { keyboard_.SetCapsLock(on); }
    bool CapsLockOn() const { return keyboard_.CapsLockOn(); }
    // The input language of every program; a program's own, once it has switched.
    void SetLayout(SimLayout layout) { keyboard_.SetLayout(layout); }
    void SetLayoutOf(TaskId task, SimLayout layout) { keyboard_.SetLayoutOf(task, layout); }
    SimLayout LayoutOf(TaskId task) const { return keyboard_.LayoutOf(task); }
    // One input language for the whole desktop (Windows' default) or one per window.
    void SetLanguagePerWindow(bool perWindow) { keyboard_.SetLanguagePerWindow(perWindow); }
    void SetInstalledLayouts(std::vector<SimLayout> layouts) { keyboard_.SetInstalledLayouts(std::move(layouts)); }
    // Programs that handle an input language request themselves and keep their layout.
    void SetLayoutSwitchRefused(bool refused) { layoutSwitchRefused_ = refused; }
    // The Windows setting under which Shift, not Caps Lock, turns Caps Lock off.
    void SetShiftTurnsOffCapsLock(bool on) { keyboard_.SetShiftTurnsOffCapsLock(on); }
    // A Chinese, Japanese or Korean input method switched on in every program, or in one.
    void SetInputMethodsOpen(bool open) { keyboard_.SetInputMethodsOpen(open); }
    void SetInputMethodOpen(TaskId task, bool open);
    bool InputMethodOpen(TaskId task) const { return keyboard_.InputMethodOpen(task); }
    MiniDisc& Disc() { return disc_; }
    // The CD-ROM drives in letter order: their discs are the ".cda" files in their roots. A drive
    // that spins up takes that long at every read.
    struct CdRom {
        std::string letter;  // "E:"
        std::uint32_t spinUpMs = 0;
    };
    void AddCdRom(const std::string& letter, std::uint32_t spinUpMs = 0);
    const std::vector<CdRom>& CdRoms() const { return cdRoms_; }
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
    // A program busy for a while after a key typed into its window of that title (Nero taking a
    // large file after the Enter of its add prompt): it takes no input meanwhile, as if hung.
    void SetBusyAfterKey(const std::string& windowTitle, NamedKey key, std::uint32_t milliseconds);
    // Whenever a program gives one of its windows the focus (a prompt opens), there is first a
    // moment of that length with no foreground window at all, as while activation changes hands.
    void SetForegroundGap(std::uint32_t milliseconds) { foregroundGapMs_ = milliseconds; }
    // How long keys wait for a window to come to the front when there is none.
    static constexpr std::uint32_t NoForegroundWaitMs = 1000;
    // Integrity levels. Velutreck runs at Medium unless it was started as administrator. A program
    // marked "run as administrator" cannot be started by a program at Medium (elevation required);
    // the shell starts it at High (the user consents), and so does a program at High. Windows
    // passes no posted message and no injected key to a program above the sender's level.
    enum class Integrity : std::uint32_t { Medium = MediumIntegrity, High = HighIntegrity };
    void SetOwnIntegrity(Integrity level) {
        ownIntegrity_ = level;
        files_.SetElevated(level == Integrity::High);
    }
    // The user's account. An administrator consents with a click and the program runs under the
    // same account; a standard user types an administrator's password, and the program then runs
    // under that other account, whose process Windows does not let Velutreck at Medium open.
    enum class Account { Administrator, Standard };
    void SetUserAccount(Account account) { account_ = account; }
    void MarkRunAsAdministrator(const std::string& programPath);
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
        Integrity integrity = Integrity::Medium;
        bool otherAccount = false;  // run as administrator by another account
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
    void QueueMessage(WindowHandle window, std::uint32_t message, std::uint32_t wParam, std::uint32_t lParam);
    void DeliverQueuedInput();
    // What the desktop posts and sends to a program's windows itself, as Windows numbers them.
    static constexpr std::uint32_t InputLanguageChangeRequest = 0x0050;  // WM_INPUTLANGCHANGEREQUEST
    static constexpr std::uint32_t ImeControl = 0x0283;                  // WM_IME_CONTROL
    static constexpr std::uint32_t ImcSetOpenStatus = 0x0006;            // IMC_SETOPENSTATUS

    std::vector<KeyEvent> TypingEvents(const KeySequence& keys, const KeyboardLayout& layout, bool inputMethodOpen) const;
    void SwitchLayout(const std::string& call, const KeySequence& keys, WindowHandle focus);
    void TypeInto(const std::string& call, const KeySequence& keys, bool waited, TaskId target, bool switchedLayout);
    void GiveLanguageBack(TaskId target, SimLayout original);
    void DeliverKeys(const std::vector<KeyEvent>& keys, std::uint64_t injection);
    void DeliverMessage(const QueuedInput& input);
    void SwitchLanguage(TaskId task, SimLayout layout);
    StandIn* RunningStandIn(WindowHandle window);
    bool FocusIsOwn() const;
    void ActivateWindow(const std::string& call, WindowHandle window);
    void RefuseUnlessIntended(const std::string& call, const KeySequence& keys);
    bool HeldBack(const QueuedInput& input) const;
    void WriteDrive(const VirtualDrive& drive);
    void BusyAfter(TaskId task, const std::string& windowTitle, const KeyStroke& key);
    void AwaitBusyProgram(const std::string& call, const KeySequence& keys);
    void AwaitForeground(const std::string& call);
    void GiveFocusAfterGap(WindowHandle window);
    bool RunsAsAdministrator(const std::string& program) const;
    void RefuseIfElevated(const std::string& call, WindowHandle window);
    bool KeysReach(const std::string& call, WindowHandle window);
    void GiveUpOnKeys(const std::string& call, const KeySequence& keys, bool waited);

    SimClock clock_;
    SimWindowThread ownThread_{clock_};
    SimFileSystem files_;
    SimTranscript transcript_;
    WindowTree windows_;
    ProgramRegistry programs_;
    MiniDisc disc_;
    VirtualDrive drive_;
    std::vector<CdRom> cdRoms_;
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
    bool layoutSwitchRefused_ = false;
    std::set<TaskId> hung_;
    std::deque<QueuedInput> heldBack_;  // input for hung programs, in order
    struct BusyKey {
        std::string windowTitle;
        NamedKey key = NamedKey::None;
        std::uint32_t milliseconds = 0;
    };
    std::vector<BusyKey> busyKeys_;
    std::map<TaskId, std::int64_t> busyUntil_;
    std::uint32_t foregroundGapMs_ = 0;
    Integrity ownIntegrity_ = Integrity::Medium;
    Account account_ = Account::Administrator;
    std::set<std::string> runAsAdministrator_;  // folded program paths
};

}  // namespace velutreck
