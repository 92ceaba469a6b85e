// The main window's message handling: every button, check box and menu entry to its frmMain
// handler through the handler gate, files dropped onto the track list and items a second copy hands over, the taskbar button's creation, the tab pages, the tooltips' notifications, the colours behind
// the controls on the tab pages, and the window moving to a screen of another DPI.
#include "app/win32/main_window.h"

#include <commctrl.h>
#include <shellapi.h>

#include <exception>

#include "app/win32/main_window_parts.h"
#include "platform/win32/item_hand_over.h"
#include "platform/win32/wide_text.h"

namespace velutreck {

namespace {

const LayoutControl* FindLayout(HWND control) {
    const int id = GetDlgCtrlID(control);
    for (const LayoutControl& layout : MainWindowLayout) {
        if (static_cast<int>(layout.id) == id) {
            return &layout;
        }
    }
    return nullptr;
}

// The controls that show the tab page through their background.
bool ShowsPageBehind(ControlKind kind) {
    switch (kind) {
    case ControlKind::Label:
    case ControlKind::SectionHeading:
    case ControlKind::FrameRule:
    case ControlKind::Picture:
    case ControlKind::CheckBox:
    case ControlKind::Button:
    case ControlKind::PictureButton:
        return true;
    default:
        return false;
    }
}

}  // namespace

LRESULT CALLBACK MainWindow::WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
    }
    auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    }
    if (!self || !self->parts_) {
        return DefDlgProcW(window, message, wParam, lParam);
    }
    return self->OnMessage(message, wParam, lParam);
}

LRESULT MainWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == Win32TaskbarButton::CreatedMessage()) {
        parts_->taskbar.OnButtonCreated();
        return 0;
    }
    switch (message) {
    case WM_COMMAND:
        OnCommand(LOWORD(wParam), HIWORD(wParam));
        return 0;
    case WM_NOTIFY:
        return OnNotify(*reinterpret_cast<NMHDR*>(lParam));
    case WM_TIMER:
        if (wParam == MasterTimerId) {
            parts_->timer.OnTimer([this] { parts_->gate.Run([this] { parts_->frm.tmrMaster_Timer(); }); });
            return 0;
        }
        if (wParam == HandOverTimerId) {
            KillTimer(window_, HandOverTimerId);
            TakeHandedOverItems();
            return 0;
        }
        break;
    case WM_COPYDATA:
        return OnItemsHandedOver(*reinterpret_cast<const COPYDATASTRUCT*>(lParam));
    case TakeHandedOverItemsMessage:
        TakeHandedOverItems();
        return 0;
    case FinishStartUpMessage:
        FinishStartUp();
        return 0;
    case LengthsArrivedMessage:
        parts_->gate.Run([this] { parts_->frm.LengthsArrived(); });
        return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        if (const LRESULT brush = OnControlColour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam))) {
            return brush;
        }
        break;
    case WM_PRINTCLIENT: {
        RECT client{};
        GetClientRect(window_, &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, GetSysColorBrush(COLOR_BTNFACE));
        parts_->background.PaintInParent(reinterpret_cast<HDC>(wParam));
        return 0;
    }
    case WM_CLOSE:
        parts_->form.Unload();
        return 0;
    case WM_DESTROY:
        parts_->gate.Run([this] { parts_->frm.Form_Unload(); });
        PostQuitMessage(0);
        return 0;
    case WM_DPICHANGED:
        OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    case WM_SETTINGCHANGE:
        if (wParam == SPI_SETNONCLIENTMETRICS) {
            parts_->bubbleTips.OnMetricsChanged();
        }
        break;
    case WM_THEMECHANGED:
    case WM_SYSCOLORCHANGE:
        OnLookChanged();
        break;
    default:
        break;
    }
    return DefDlgProcW(window_, message, wParam, lParam);
}

void MainWindow::OnCommand(int id, int code) {
    frmMain& frm = parts_->frm;
    HandlerGate& gate = parts_->gate;
    // Esc presses the cancel button, as long as it can be pressed.
    if (id == IDCANCEL) {
        if (IsWindowEnabled(parts_->children[CancelButton()])) {
            OnCommand(static_cast<int>(CancelButton()), BN_CLICKED);
        }
        return;
    }
    if (id == static_cast<int>(ControlId::cboCompression)) {
        if (code == CBN_SELCHANGE) {
            gate.Run([&] { frm.cboCompression_Click(); });
        }
        return;
    }
    if (id == static_cast<int>(ControlId::cboDiscLength)) {
        if (code == CBN_SELCHANGE) {
            gate.Run([&] { frm.cboDiscLength_Click(); });
        }
        return;
    }
    if (code != BN_CLICKED) {
        return;
    }
    const auto listCommand = [&](TrackListCommand command) { gate.Run([&] { frm.TrackListCommand_Click(command); }); };
    switch (static_cast<ControlId>(id)) {
    case ControlId::btnStartStop: return gate.Run([&] { frm.btnStartStop_Click(); });
    case ControlId::btnQuit: return gate.Run([&] { frm.btnQuit_Click(); });
    case ControlId::btnReadme: return gate.Run([&] { frm.btnReadme_Click(); });
    case ControlId::chkErase: return gate.Run([&] { frm.chkErase_Click(); });
    case ControlId::chkNameTracks: return gate.Run([&] { frm.chkNameTracks_Click(); });
    case ControlId::chkSendTo: return gate.Run([&] { frm.chkSendTo_Click(); });
    case ControlId::btnAdd: return listCommand(TrackListCommand::Add);
    case ControlId::btnInsertBreak: return listCommand(TrackListCommand::InsertBreak);
    case ControlId::btnRemove: return listCommand(TrackListCommand::Remove);
    case ControlId::btnRemoveAll: return listCommand(TrackListCommand::RemoveAll);
    case ControlId::btnUp: return listCommand(TrackListCommand::ShiftUp);
    case ControlId::btnDown: return listCommand(TrackListCommand::ShiftDown);
    case ControlId::btnBrowseForAudioProject: return gate.Run([&] { frm.btnBrowseForAudioProject_Click(); });
    case ControlId::btnBrowseForTempFolder: return gate.Run([&] { frm.btnBrowseForTempFolder_Click(); });
    case ControlId::btnBrowseForImageDrive: return gate.Run([&] { frm.btnBrowseForImageDrive_Click(); });
    case ControlId::btnBrowseForSimpleBurner: return gate.Run([&] { frm.btnBrowseForSimpleBurner_Click(); });
    default: return;
    }
}

LRESULT MainWindow::OnNotify(NMHDR& header) {
    if (header.hwndFrom == parts_->tips.Window()) {
        if (const auto result = parts_->bubbleTips.OnNotify(header)) {
            return *result;
        }
        parts_->tips.OnNotify(header);
        return 0;
    }
    if (header.idFrom == static_cast<UINT_PTR>(ControlId::SSTab1) && header.code == TCN_SELCHANGE) {
        ShowPage(TabPage(static_cast<int>(SendMessageW(header.hwndFrom, TCM_GETCURSEL, 0, 0))));
    }
    return 0;
}

// A press of a mouse button on the track list asks frmMain whether it opens the list's menu. The
// press that does goes no further, so the list's selection stays and the menu's command acts on
// the entry selected before.
LRESULT CALLBACK MainWindow::ListProcedure(HWND list, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                           DWORD_PTR reference) {
    if (message == WM_DROPFILES) {
        reinterpret_cast<MainWindow*>(reference)->OnDrop(reinterpret_cast<HDROP>(wParam));
        return 0;
    }
    int button = 0;
    switch (message) {
    case WM_LBUTTONDOWN: button = 1; break;
    case WM_RBUTTONDOWN: button = 2; break;
    case WM_MBUTTONDOWN: button = 4; break;
    default: break;
    }
    if (button == 0 || !frmMain::OpensContextMenu(button)) {
        return DefSubclassProc(list, message, wParam, lParam);
    }
    auto& self = *reinterpret_cast<MainWindow*>(reference);
    POINT screen{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    ClientToScreen(list, &screen);
    if (const auto command = self.parts_->menu.Show(self.window_, screen)) {
        self.parts_->gate.Run([&] { self.parts_->frm.TrackListCommand_Click(*command); });
    }
    return 0;
}

// The second copy waits for the answer, so the items are only noted here, even in the middle of a
// tick, and added once this message has been answered and the window is idle.
LRESULT MainWindow::OnItemsHandedOver(const COPYDATASTRUCT& data) {
    try {
        const std::vector<std::string> items = HandedOverItems(data);
        if (items.empty()) {
            return 0;
        }
        if (parts_->frm.ItemsHandedOver(items) == HandOverOutcome::Busy) {
            return HandOverBusy;
        }
    } catch (const std::exception&) {
        return 0;
    }
    PostMessageW(window_, TakeHandedOverItemsMessage, 0, 0);
    return HandOverTaken;
}

void MainWindow::FinishStartUp() {
    for (const ToolTipEntry& entry : BrowseButtonToolTips) {
        parts_->controls.ControlFor(entry.id).SetToolTipText(std::string(entry.text));
    }
    parts_->gate.Run([this] { parts_->frm.FinishStartUp(); });
}

// Items are added only when no box of the program is open: the Add dialog, say, would otherwise
// insert its files into a list that changed under it.
void MainWindow::TakeHandedOverItems() {
    if (parts_->modal.Open()) {
        SetTimer(window_, HandOverTimerId, HandOverRetryInterval, nullptr);
        return;
    }
    parts_->gate.Run([this] { parts_->frm.AddWaitingItems(); });
}

void MainWindow::OnDrop(HDROP drop) {
    std::vector<std::string> items;
    const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        std::wstring path(DragQueryFileW(drop, i, nullptr, 0) + 1, L'\0');
        path.resize(DragQueryFileW(drop, i, path.data(), static_cast<UINT>(path.size())));
        items.push_back(Narrow(path));
    }
    DragFinish(drop);
    parts_->gate.Run([&] { parts_->frm.FilesDropped(items); });
}

LRESULT MainWindow::OnControlColour(HDC dc, HWND control) {
    const LayoutControl* layout = FindLayout(control);
    if (!layout || !ShowsPageBehind(layout->kind)) {
        return 0;
    }
    if (layout->style.greyText) {
        SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
    }
    SetBkMode(dc, TRANSPARENT);
    if (layout->container == Container::Client) {
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    }
    return reinterpret_cast<LRESULT>(parts_->background.BrushFor(dc, control));
}

void MainWindow::OnDpiChanged(UINT dpi, const RECT& suggested) {
    auto resources = std::make_unique<WindowResources>(instance_, dpi);
    parts_->children.Place(*resources);
    parts_->resources = std::move(resources);
    SetWindowPos(window_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    parts_->bubbleTips.OnMetricsChanged();
    OnLookChanged();
}

void MainWindow::OnLookChanged() {
    parts_->background.Update();
    RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void MainWindow::ShowPage(Container page) {
    parts_->children.ShowPage(page);
    parts_->background.Update();
}

}  // namespace velutreck
