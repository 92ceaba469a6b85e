// Velutreck.exe: one thread, one window. OLE for the shell's folder browser and shortcuts, the common controls,
// the services of the system, the window, start-up with the items of the command line (files,
// folders and playlists, as "Send to" and a drop onto the program pass them), and the message loop, in which the dialog
// manager handles Tab, Enter, Esc and the access keys.
#include <exception>
#include <string>
#include <vector>

#include "app/win32/main_window.h"
#include "platform/win32/windows_api.h"

#include <commctrl.h>
#include <ole2.h>
#include <shellapi.h>

#include "base/product.h"
#include "platform/win32/mutex_instance_check.h"
#include "platform/win32/program_folder.h"
#include "platform/win32/registry_settings_store.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_desktop.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_shortcuts.h"
#include "platform/win32/win32_cd_drives.h"
#include "platform/win32/win32_media_lengths.h"
#include "platform/win32/win32_wall_clock.h"

namespace {

std::vector<std::string> CommandLineItems() {
    std::vector<std::string> items;
    int count = 0;
    wchar_t** words = CommandLineToArgvW(GetCommandLineW(), &count);
    if (words == nullptr) {
        return items;
    }
    for (int i = 1; i < count; ++i) {
        items.push_back(velutreck::Narrow(words[i]));
    }
    LocalFree(words);
    return items;
}

int RunMessageLoop(HWND window) {
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (IsWindow(window) && IsDialogMessageW(window, &message)) {
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    using namespace velutreck;
    const HRESULT ole = OleInitialize(nullptr);
    INITCOMMONCONTROLSEX commonControls{sizeof(commonControls), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&commonControls);
    int exitCode = 0;
    try {
        Win32Desktop desktop;
        Win32FileSystem files;
        RegistrySettingsStore settings;
        MutexInstanceCheck instanceCheck;
        Win32Shortcuts shortcuts;
        Win32WallClock clock;
        Win32MediaLengths lengths;
        Win32CdDrives cdDrives;
        MainWindow window(instance, {desktop, files, settings, instanceCheck, shortcuts, clock, ProgramFile(), lengths, cdDrives,
                                     ProgramFolder(), LogFolder()});
        if (window.Load(CommandLineItems())) {
            window.Show();
        }
        exitCode = RunMessageLoop(window.Window());
    } catch (const std::exception& failure) {
        MessageBoxW(nullptr, Widen(std::string("Error: ") + failure.what()).c_str(), Widen(ProductName).c_str(),
                    MB_OK | MB_ICONSTOP);
        exitCode = 1;
    }
    if (SUCCEEDED(ole)) {
        OleUninitialize();
    }
    return exitCode;
}
