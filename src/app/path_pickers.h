// The four "..." buttons of the Settings tab: three pick a file through the window's one common
// dialog, the fourth a folder through the shell's folder browser. A choice replaces its text box's
// text; cancelling leaves it alone. Nothing is checked or saved here.
#pragma once

#include <string>
#include <string_view>

#include "base/int16.h"
#include "platform/controls.h"
#include "platform/dialogs.h"

namespace velutreck {

inline constexpr std::string_view AudioProjectFilter = "Nero audio projects (*.nra)|*.nra|All files (*.*)|*.*";
inline constexpr std::string_view ProgramFilter = "Executable files (*.exe)|*.exe|All files (*.*)|*.*";
inline constexpr long FilePickerFlags = 0x80000;        // Explorer style, and nothing else
inline constexpr Int16 FilePickerMaxFileSize{257};      // characters, the terminating NUL included
inline constexpr std::string_view FolderBrowserTitle = "Choose a directory from the list.";

// Sets the buffer size, an empty file name, the filter and the flags, and nothing else: the
// starting folder and the filter entry stay as the dialog's last use left them. A chosen path
// replaces target's text. Throws a Control failure, leaving target alone, when the chosen path
// does not fit the buffer.
void PickFile(CommonDialog& dialog, CommonDialogState& state, std::string_view filter, TextBox& target);

// The chosen folder with a trailing "\" (added only when missing), or "" when nothing was chosen.
// The rest of the program puts the temporary image's name straight after the folder's text.
std::string BrowseForFolder(FolderBrowser& browser);

// A chosen folder replaces target's text.
void PickFolder(FolderBrowser& browser, TextBox& target);

}  // namespace velutreck
