// The pieces of the main window that live as long as its window: the child windows and their
// resources, the tooltips, the form, the master timer, the dialogs, the taskbar button, the bound
// controls, and frmMain itself. Shared by the window's creation and its message handling.
#pragma once

#include <memory>

#include "app/frmMain.h"
#include "app/win32/child_windows.h"
#include "app/win32/handler_gate.h"
#include "app/win32/main_window.h"
#include "app/win32/tab_background.h"
#include "app/win32/track_list_menu.h"
#include "app/win32/window_controls.h"
#include "app/win32/window_resources.h"
#include "platform/win32/bubble_tips.h"
#include "platform/win32/modal_state.h"
#include "platform/win32/win32_dialogs.h"
#include "platform/win32/win32_form.h"
#include "platform/win32/win32_taskbar_button.h"
#include "platform/win32/window_dpi.h"

namespace velutreck {

inline constexpr UINT_PTR MasterTimerId = 1;
inline constexpr UINT MasterTimerInterval = 1000;
// While a modal box is open, handed-over items wait and are tried again on this timer.
inline constexpr UINT_PTR HandOverTimerId = 2;
inline constexpr UINT HandOverRetryInterval = 250;
inline constexpr UINT TakeHandedOverItemsMessage = WM_APP + 1;
// Posted by the lengths' worker when lengths of listed files have changed.
inline constexpr UINT LengthsArrivedMessage = WM_APP + 2;
// Posted to itself once the window shows: what start-up leaves until then.
inline constexpr UINT FinishStartUpMessage = WM_APP + 3;

struct MainWindow::Parts {
    Parts(HWND window, HINSTANCE instance, SystemServices& services)
        : children(window, instance),
          resources(std::make_unique<WindowResources>(instance, WindowDpi(window))),
          tips(window),
          bubbleTips(tips),
          form(window, children[ControlId::btnStartStop]),
          timer(window, MasterTimerId, MasterTimerInterval, modal),
          messageBoxes(window, modal),
          commonDialog(window, modal),
          folderBrowser(window, modal),
          taskbar(window),
          controls(children, tips, form, timer),
          gate(form, messageBoxes),
          background(children[ControlId::SSTab1]),
          frm(controls.Bind(), FormServices{services.desktop, services.files, messageBoxes, services.settings,
                                            commonDialog, folderBrowser, services.instanceCheck, bubbleTips,
                                            services.shortcuts, services.clock, services.programFile,
                                            services.lengths, taskbar, services.cdDrives, services.programFolder, services.logFolder}) {}

    ModalState modal;
    ChildWindows children;
    std::unique_ptr<WindowResources> resources;
    ToolTipRegistry tips;
    Win32BubbleTips bubbleTips;
    Win32FormWindow form;
    Win32Timer timer;
    Win32MessageBoxes messageBoxes;
    Win32CommonDialog commonDialog;
    Win32FolderBrowser folderBrowser;
    Win32TaskbarButton taskbar;
    WindowControls controls;
    HandlerGate gate;
    TrackListMenu menu;
    TabBackground background;
    frmMain frm;
};

}  // namespace velutreck
