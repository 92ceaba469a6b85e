// The desktop as Velutreck drives it: the other programs' windows, reached only the way a user
// at the keyboard would reach them. Implemented on real Windows and by the simulated desktop.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/keys.h"

namespace velutreck {

// A window handle; 0 means that there is no window.
using WindowHandle = std::uint32_t;
// The id of a started program; never 0.
using TaskId = std::uint32_t;

namespace message {
constexpr std::uint32_t Close = 0x0010;       // WM_CLOSE
constexpr std::uint32_t KeyDown = 0x0100;     // WM_KEYDOWN
constexpr std::uint32_t KeyUp = 0x0101;       // WM_KEYUP
constexpr std::uint32_t LButtonDown = 0x0201; // WM_LBUTTONDOWN
constexpr std::uint32_t LButtonUp = 0x0202;   // WM_LBUTTONUP
}  // namespace message

class Desktop {
public:
    Desktop() = default;
    Desktop(const Desktop&) = delete;
    Desktop& operator=(const Desktop&) = delete;
    virtual ~Desktop() = default;

    // With parent 0 searches the top-level windows from the topmost; otherwise the parent's direct
    // children in z-order, starting after childAfter (from the first child when it is 0). A
    // criterion left out matches any window; a given one matches the whole string. Never fails.
    virtual WindowHandle FindWindow(WindowHandle parent, WindowHandle childAfter,
                                    const std::optional<std::string>& className,
                                    const std::optional<std::string>& caption) = 0;
    // Queues the message for the window and returns at once; to handle 0 it reaches nothing.
    // Throws an ElevatedProgram failure for a window of a program that runs as administrator
    // while Velutreck does not, which Windows passes no message.
    virtual void PostMessage(WindowHandle window, std::uint32_t message, std::uint32_t wParam,
                             std::uint32_t lParam) = 0;
    // Types the keys into the window that has the keyboard focus. A waited injection returns once
    // that window has processed them. The keys are meant for the program that was last started or
    // activated: while the window in front belongs to any other program (Velutreck's own window,
    // a bystander that took the focus, no window at all) the injection throws an Automation
    // failure and types nothing more; with no window in front at all, it first waits up to a second
    // for one. A program that runs as administrator while Velutreck does not gets no key (an
    // ElevatedProgram failure). A program that stops taking keys ends a waited injection within a
    // few seconds with a NotResponding failure: the keys typed wait in its queue. However it ends,
    // the user's input language is the same afterwards as before.
    virtual void InjectKeys(const KeySequence& keys, bool waited) = 0;
    // Exact title first, then a title that begins with it. Throws when there is none, when the
    // program does not respond (a NotResponding failure), and when the window (or one it owns) did not really come to the
    // front. Success makes its program the one that keys are meant for.
    virtual void ActivateByTitle(const std::string& title) = 0;
    // Throws a NoWindow failure while the program started under that task id has no window, and
    // as ActivateByTitle.
    virtual void ActivateByTask(TaskId task) = 0;
    // Starts a program in a normal window with the focus, without waiting for it: a text that names
    // an existing file as a whole is exactly that file, spaces and all; any other text is a command
    // line. Throws when it cannot be started, with an ElevationRequired failure for a program
    // marked to run as administrator. The started program is the one that keys are meant for from
    // now on.
    virtual TaskId StartProgram(const std::string& commandLine) = 0;
    // The shell's "open" verb, show mode 1, no working directory. Returns the error Windows
    // reported, in words; empty when it reported none. A program it started may still fail later.
    virtual std::string ShellOpen(WindowHandle owner, const std::string& file, const std::string& parameters) = 0;
    // The window's text as another program reads it (WM_GETTEXT, which Windows carries across
    // processes for an edit box). Throws an Automation failure for a window that has gone or
    // does not answer.
    virtual std::string WindowText(WindowHandle window) = 0;
    // Blocks the calling thread; no input is handled meanwhile.
    virtual void Pause(std::uint32_t milliseconds) = 0;
    // Whether the user has a keyboard layout with Latin letters installed: the programs are switched
    // to one for shortcuts whose letters their own layout lacks.
    virtual bool LatinLayoutInstalled() = 0;
    // Keeps the system and the display awake while a job runs (typed keys cannot reach a locked
    // desktop), and lets them sleep again after it.
    virtual void KeepAwake(bool awake) = 0;
};

}  // namespace velutreck
