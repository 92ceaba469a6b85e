#include "virtual_drive_keeper.h"

#include "base/failure.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_file_system.h"
#include "rehearsal/standins/shown_cd.h"
#include "rehearsal/standins/stand_in_options.h"

namespace velutreck {

namespace {

// Marks a WM_COPYDATA as a drive's new content: "VDRV".
constexpr ULONG_PTR DriveContent = 0x56445256;

ATOM RegisterKeeperClass(WNDPROC procedure) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = ResidentDriveClass;
    return RegisterClassExW(&windowClass);
}

}  // namespace

HWND FindResidentDrive() { return FindWindowExW(nullptr, nullptr, ResidentDriveClass, nullptr); }

void HandToResidentDrive(const VirtualDrive& drive) {
    const std::string image = drive.image.value_or("");
    COPYDATASTRUCT content{};
    content.dwData = DriveContent;
    content.cbData = static_cast<DWORD>(image.size());
    content.lpData = const_cast<char*>(image.data());
    DWORD_PTR held = FALSE;
    const HWND resident = FindResidentDrive();
    if (resident == nullptr ||
        !SendMessageTimeoutW(resident, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&content), SMTO_ABORTIFHUNG, 5000,
                             &held) ||
        held == FALSE) {
        throw Failure(FailureKind::FileSystem, "The virtual drive cannot hold the image \"" + image + "\".");
    }
}

namespace {

// Without an image the drive shows no disc.
void EmptyDriveFolder() {
    try {
        Win32FileSystem files;
        ShowCdTracks(files, StandInOptions{}.imageDriveRoot, {});
    } catch (const std::exception&) {
    }
}

}  // namespace

VirtualDriveKeeper::VirtualDriveKeeper(StandInState& state) : state_(state) {
    EmptyDriveFolder();
    RegisterKeeperClass(&KeeperProc);
    window_ = CreateWindowExW(0, ResidentDriveClass, L"", WS_OVERLAPPED, 0, 0, 0, 0, nullptr, nullptr,
                              GetModuleHandleW(nullptr), this);
    state_.WriteDrive(VirtualDrive{});
}

VirtualDriveKeeper::~VirtualDriveKeeper() {
    Release();
    if (IsWindow(window_)) {
        DestroyWindow(window_);
    }
}

LRESULT CALLBACK VirtualDriveKeeper::KeeperProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
    }
    auto* keeper = reinterpret_cast<VirtualDriveKeeper*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (keeper == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    try {
        if (message == WM_COPYDATA) {
            const auto* content = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
            if (content->dwData != DriveContent) {
                return FALSE;
            }
            const std::string image(static_cast<const char*>(content->lpData), content->cbData);
            return keeper->Mount(image.empty() ? std::nullopt : std::optional<std::string>(image));
        }
        if (message == WM_CLOSE) {
            keeper->Release();
            keeper->state_.WriteDrive(VirtualDrive{});
            EmptyDriveFolder();
            DestroyWindow(window);
            PostQuitMessage(0);
            return 0;
        }
    } catch (const std::exception& failure) {
        keeper->state_.AppendToLog(std::string("ImageDrive: the virtual drive failed: ") + failure.what());
        return FALSE;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

bool VirtualDriveKeeper::Mount(const std::optional<std::string>& image) {
    HANDLE opened = INVALID_HANDLE_VALUE;
    if (image) {
        // No FILE_SHARE_DELETE: the mounted image cannot be deleted while the drive holds it.
        opened = CreateFileW(Widen(*image).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
        if (opened == INVALID_HANDLE_VALUE) {
            return false;
        }
    }
    Release();
    held_ = opened;
    state_.WriteDrive(VirtualDrive{image});
    return true;
}

void VirtualDriveKeeper::Release() {
    if (held_ != INVALID_HANDLE_VALUE) {
        CloseHandle(held_);
        held_ = INVALID_HANDLE_VALUE;
    }
}

}  // namespace velutreck
