#include "app/win32/main_window.h"

#include <commctrl.h>

#include <algorithm>

#include "app/win32/main_window_parts.h"
#include "app/win32/resource_ids.h"
#include "base/failure.h"
#include "platform/win32/item_hand_over.h"
#include "platform/win32/wide_text.h"
#include "tracklist/scroll_extent.h"

namespace velutreck {

namespace {

constexpr DWORD WindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr double TwipsPerInch = 1440.0;

void RegisterWindowClass(HINSTANCE instance, WNDPROC procedure) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    if (GetClassInfoExW(instance, MainWindowClassName, &windowClass)) {
        return;
    }
    windowClass.lpfnWndProc = procedure;
    windowClass.cbWndExtra = DLGWINDOWEXTRA;
    windowClass.hInstance = instance;
    windowClass.hIcon = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_PROGRAM), IMAGE_ICON,
                                                      GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), 0));
    windowClass.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_PROGRAM), IMAGE_ICON,
                                                        GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = MainWindowClassName;
    if (!RegisterClassExW(&windowClass)) {
        throw Failure(FailureKind::Control, "The main window's class could not be registered.");
    }
}

// Windows filters most messages that programs of a lower integrity level send to a program that
// runs as administrator (User Interface Privilege Isolation): without this, an elevated Velutreck
// would silently lose a second copy's hand-over and every drop from Explorer. A drop is
// WM_DROPFILES, whose file names travel in WM_COPYGLOBALDATA.
void LetThroughFromLowerIntegrity(HWND window, HWND trackList) {
    constexpr UINT WM_COPYGLOBALDATA = 0x0049;
    ChangeWindowMessageFilterEx(window, WM_COPYDATA, MSGFLT_ALLOW, nullptr);
    ChangeWindowMessageFilterEx(trackList, WM_DROPFILES, MSGFLT_ALLOW, nullptr);
    ChangeWindowMessageFilterEx(trackList, WM_COPYGLOBALDATA, MSGFLT_ALLOW, nullptr);
}

RECT PrimaryWorkArea() {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY), &monitor);
    return monitor.rcWork;
}

}  // namespace

MainWindow::MainWindow(HINSTANCE instance, SystemServices services)
    : instance_(instance), services_(std::move(services)) {
    RegisterWindowClass(instance, &MainWindow::WindowProcedure);
    // Created on the primary screen, where it will be shown, so that it starts at that screen's DPI.
    const RECT work = PrimaryWorkArea();
    window_ = CreateWindowExW(0, MainWindowClassName, Widen(MainWindowCaption).c_str(), WindowStyle, work.left, work.top,
                              0, 0, nullptr, nullptr, instance, this);
    if (!window_) {
        throw Failure(FailureKind::Control, "The main window could not be created.");
    }
    parts_ = std::make_unique<Parts>(window_, instance, services_);
    parts_->children.Place(*parts_->resources);
    SendMessageW(window_, DM_SETDEFID, static_cast<WPARAM>(DefaultButton()), 0);
    SetWindowSubclass(parts_->children[ControlId::lstAudioFiles], &MainWindow::ListProcedure, 0,
                      reinterpret_cast<DWORD_PTR>(this));
    // Files dropped from Explorer land on the track list; while a job runs it is disabled and takes none.
    DragAcceptFiles(parts_->children[ControlId::lstAudioFiles], TRUE);
    LetThroughFromLowerIntegrity(window_, parts_->children[ControlId::lstAudioFiles]);
    services_.lengths.NotifyWindow(window_, LengthsArrivedMessage);
}

MainWindow::~MainWindow() {
    if (IsWindow(window_)) {
        DestroyWindow(window_);
    }
}

bool MainWindow::Load(const std::vector<std::string>& commandLineItems) {
    parts_->gate.Run([&] { parts_->frm.Form_Load(commandLineItems); });
    if (parts_->form.UnloadRequested()) {
        return false;
    }
    const double twipsPerPixel = TwipsPerInch / parts_->resources->Dpi();
    const long extent = HorizontalExtentPixels(LayoutOf(ControlId::lstAudioFiles).rect.width, twipsPerPixel);
    SendMessageW(parts_->children[ControlId::lstAudioFiles], LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(extent), 0);
    return true;
}

void MainWindow::Show() {
    const UINT dpi = parts_->resources->Dpi();
    const SIZE client{TwipsToPixels(MainWindowClientWidth, static_cast<int>(dpi)),
                      TwipsToPixels(MainWindowClientHeight, static_cast<int>(dpi))};
    const SIZE size = WindowSizeForClient(client, WindowStyle, 0, dpi);
    const RECT work = PrimaryWorkArea();
    const int left = work.left + std::max(0L, (work.right - work.left - size.cx) / 2);
    const int top = work.top + std::max(0L, (work.bottom - work.top - size.cy) / 2);
    SetWindowPos(window_, nullptr, left, top, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(parts_->children[ControlId::SSTab1], TCM_SETCURSEL, TabIndex(Container::FilesTab), 0);
    ShowPage(Container::FilesTab);
    ShowWindow(window_, SW_SHOWNORMAL);
    UpdateWindow(window_);
    SendMessageW(window_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(parts_->children[InitialFocus]), TRUE);
    // GetMessage takes posted messages before input, so start-up is finished before a key or click
    // reaches a control.
    PostMessageW(window_, FinishStartUpMessage, 0, 0);
    PostMessageW(window_, TakeHandedOverItemsMessage, 0, 0);
}

}  // namespace velutreck
