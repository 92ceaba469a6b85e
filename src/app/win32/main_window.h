// The real window of Velutreck: frmMain on Win32. It creates the window and its controls from the
// layout table, binds them and the dialogs to frmMain, and turns window messages into frmMain's
// handlers. The window is a dialog of a class of its own, so that the dialog manager gives it its
// default button (Enter), its cancel key (Esc), the Tab order and the access keys.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "app/layout.h"
#include "platform/desktop.h"
#include "platform/file_system.h"
#include "platform/session.h"
#include "platform/settings_store.h"
#include "platform/shortcuts.h"
#include "platform/wall_clock.h"
#include "platform/win32/win32_media_lengths.h"
#include "platform/win32/windows_api.h"

#include <shellapi.h>

#include "platform/cd_drives.h"

namespace velutreck {

// What the window needs of the system around it.
struct SystemServices {
    Desktop& desktop;
    FileSystem& files;
    SettingsStore& settings;
    InstanceCheck& instanceCheck;
    Shortcuts& shortcuts;
    const WallClock& clock;
    std::string programFile;
    Win32MediaLengths& lengths;
    CdDrives& cdDrives;
    std::string programFolder;
    std::string logFolder;
};

class MainWindow {
public:
    MainWindow(HINSTANCE instance, SystemServices services);
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;
    ~MainWindow();

    // Form_Load with the items of the command line, and the track list's scroll extent. False when
    // start-up unloaded the window.
    bool Load(const std::vector<std::string>& commandLineItems);
    // Centred on the screen, the "Files" tab in front and the focus on Start; the rest of start-up
    // follows, then the items of the command line, so that a message about them comes over the window.
    void Show();
    HWND Window() const { return window_; }

private:
    struct Parts;

    static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void OnCommand(int id, int code);
    LRESULT OnNotify(NMHDR& header);
    static LRESULT CALLBACK ListProcedure(HWND list, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                          DWORD_PTR reference);
    LRESULT OnControlColour(HDC dc, HWND control);
    void OnDpiChanged(UINT dpi, const RECT& suggested);
    void OnLookChanged();
    void ShowPage(Container page);
    void OnDrop(HDROP drop);
    LRESULT OnItemsHandedOver(const COPYDATASTRUCT& data);
    void FinishStartUp();
    void TakeHandedOverItems();

    HINSTANCE instance_;
    SystemServices services_;
    HWND window_ = nullptr;
    std::unique_ptr<Parts> parts_;
};

}  // namespace velutreck
