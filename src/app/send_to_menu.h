// Explorer's "Send to" menu lists the shortcuts in the user's Send to folder. The check box "Show
// Velutreck in Explorer's Send to menu" makes or removes Velutreck's shortcut there, and shows
// whether the folder holds one that leads to this program file.
#pragma once

#include <string>

#include "base/int16.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/file_system.h"
#include "platform/shortcuts.h"

namespace velutreck {

struct SendToServices {
    FileSystem& files;
    Shortcuts& shortcuts;
    MessageBoxes& messageBoxes;
    std::string programFile;  // this Velutreck.exe, which the shortcut is to start
};

// 1 when the Send to folder holds Velutreck's shortcut and it leads to this program file; 0 when
// there is none, or it leads to a copy in another folder.
Int16 SendToState(const SendToServices& services);

// The box was just clicked: checked asks for the shortcut, cleared for none. A shortcut that leads
// elsewhere is replaced only when the user agrees, and only this program's own is removed. The box
// then shows what the folder holds, also when the change failed (the failure is thrown on).
void SendToClicked(CheckBox& box, const SendToServices& services);

}  // namespace velutreck
