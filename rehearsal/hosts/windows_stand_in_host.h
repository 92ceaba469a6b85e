// Hosts one stand-in as a Windows program with real windows. The stand-in's windows are real
// child or top-level windows of the classes it asks for, and each is subclassed so that the
// stand-in, not the control, sees the input: typed keys go to OnKey for the window with the
// focus, posted clicks, key messages and close requests to OnMessage. Delays are timers of the
// thread, notes lines of the shared log, the MiniDisc and the drive the shared state files.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>

#include "key_message_reader.h"
#include "rehearsal/standins/stand_in.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/windows_api.h"
#include "stand_in_state.h"

namespace velutreck {

// Whether the process ends with its stand-in, or stays (the resident virtual drive) until its
// own windows end it.
enum class Residency { EndsWithStandIn, Resident };

class WindowsStandInHost : public StandInHost {
public:
    // The program's name starts the notes about failures of its own.
    WindowsStandInHost(StandInState& state, std::string programName,
                       Residency residency = Residency::EndsWithStandIn);
    ~WindowsStandInHost() override;

    // Starts the stand-in and runs the message loop until the program ends; the exit code.
    int Run(StandIn& standIn, const std::string& arguments);

    WindowHandle AddWindow(WindowHandle parent, const std::string& className, const std::string& text) override;
    void RemoveWindow(WindowHandle window) override;
    void SetText(WindowHandle window, const std::string& text) override;
    std::string TextOf(WindowHandle window) const override;
    void GiveFocus(WindowHandle window) override;
    void RunAfter(std::uint32_t milliseconds, std::function<void()> action) override;
    void ExitProgram() override;
    FileSystem& Files() override { return files_; }
    // The data is skipped with the file pointer, so that the file system leaves a hole in the file.
    void WriteFileAfterZeros(const std::string& path, std::uint64_t zeros, const std::string& tail) override;
    // The tests' media files are WAV files, whose header tells.
    std::optional<std::chrono::milliseconds> PlayingTime(const std::string& path) override;
    void Note(const std::string& text) override;
    MiniDisc ReadDisc() override { return state_.ReadDisc(); }
    void WriteDisc(const MiniDisc& disc) override { state_.WriteDisc(disc); }
    VirtualDrive ReadDrive() override { return state_.ReadDrive(); }
    void WriteDrive(const VirtualDrive& drive) override;
    std::vector<std::string> CdDriveRoots() override;

private:
    struct Hosted {
        std::wstring className;
        WNDPROC original = nullptr;
        int nextChildTop = 0;  // where the next child goes
    };

    static LRESULT CALLBACK HostedProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK TimerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnHostedMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void Deliver(const std::function<void()>& delivery);
    int MessageLoop();
    HWND Create(HWND parent, const std::wstring& className, const std::wstring& text);
    void ShowText(HWND window, const std::string& text);

    StandInState& state_;
    std::string programName_;
    Residency residency_;
    Win32FileSystem files_;
    StandIn* standIn_ = nullptr;
    bool ended_ = false;
    bool dispatchingPosted_ = false;  // the message being handled was posted, not typed
    KeyMessageReader keys_;
    std::map<HWND, Hosted> hosted_;
    int topLevelCount_ = 0;
    HWND timerWindow_ = nullptr;
    UINT_PTR nextTimer_ = 1;
    std::map<UINT_PTR, std::function<void()>> timers_;
};

}  // namespace velutreck
