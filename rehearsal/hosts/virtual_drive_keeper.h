// ImageDrive's virtual drive, kept by the first ImageDrive.exe, which stays resident with a hidden
// window. It holds the mounted image open without sharing its deletion, so that deleting the image
// fails until another image takes its place, and it writes the mounted path to the shared state
// for Simple Burner to read. Later starts hand their image to it (WM_COPYDATA) and end. Closing
// its window (WM_CLOSE) empties the drive and ends the resident program.
#pragma once

#include <optional>
#include <string>

#include "rehearsal/standins/virtual_drive.h"
#include "platform/win32/windows_api.h"
#include "stand_in_state.h"

namespace velutreck {

inline constexpr wchar_t ResidentDriveClass[] = L"VelutreckVirtualDrive";

// The resident drive's window, or null when none runs.
HWND FindResidentDrive();
// Hands the drive's new content to the resident drive and returns once it holds it. Throws a
// FileSystem failure when no resident drive takes it.
void HandToResidentDrive(const VirtualDrive& drive);

class VirtualDriveKeeper {
public:
    // Makes this process the resident drive, empty at first.
    explicit VirtualDriveKeeper(StandInState& state);
    VirtualDriveKeeper(const VirtualDriveKeeper&) = delete;
    VirtualDriveKeeper& operator=(const VirtualDriveKeeper&) = delete;
    ~VirtualDriveKeeper();

private:
    static LRESULT CALLBACK KeeperProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    // The new image is opened before the old one is let go; false when it cannot be opened.
    bool Mount(const std::optional<std::string>& image);
    void Release();

    StandInState& state_;
    HWND window_ = nullptr;
    HANDLE held_ = INVALID_HANDLE_VALUE;
};

}  // namespace velutreck
