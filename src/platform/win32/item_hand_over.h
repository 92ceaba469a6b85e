// How a second copy hands the items of its command line to the running copy: a WM_COPYDATA
// message to the running copy's main window, found by its class among the shown windows, whose
// answer says whether the items were taken or the copy is busy with a job.
#pragma once

#include <string>
#include <vector>

#include "platform/win32/windows_api.h"

namespace velutreck {

inline constexpr wchar_t MainWindowClassName[] = L"Velutreck.frmMain";
// Marks the message's data as items: UTF-8 text, each item ended by a NUL.
inline constexpr ULONG_PTR HandOverDataId = 0x5654524B;
inline constexpr LRESULT HandOverTaken = 1;
inline constexpr LRESULT HandOverBusy = 2;

// The items of a WM_COPYDATA message, or nothing when it carries no items.
std::vector<std::string> HandedOverItems(const COPYDATASTRUCT& data);
// Sends the items to the shown main window of another process, waiting a few seconds for one to
// show; the window's answer, or 0 when none came.
LRESULT SendItemsToRunningCopy(const std::vector<std::string>& items);

}  // namespace velutreck
