// Add files: the open dialog with multiple selection, whose answer becomes full paths appended at
// the end of the track list, optionally after a break marker so that each batch forms a group of
// its own. The dialog's properties persist between uses (the Settings tab's path pickers share
// them), and the folder of the last choice is remembered for the next Add files.
#pragma once

#include <string>
#include <string_view>

#include "base/int16.h"
#include "platform/controls.h"
#include "platform/dialogs.h"

namespace velutreck {

inline constexpr std::string_view AudioFilesFilter =
    "Audio files (*.mp3;*.cda;*.wav;*.wave;*.vqf;*.aif;*.aiff;*.wma)"
    "|*.mp3;*.cda;*.wav;*.wave;*.vqf;*.aif;*.aiff;*.wma|All files (*.*)|*.*";
inline constexpr Int16 AddFilesMaxSize = 4096;
// Explorer-style dialog with multiple selection, nothing else.
inline constexpr long AddFilesFlags = 0x80200;

struct AddFilesResult {
    Int16 filesAdded = 0;      // file entries appended, a marker not counted
    std::string errorMessage;  // text of an "Error: " message box to show, or empty
};

// Shows the dialog and appends the chosen files. Nothing is added and lastAddFolder stays as it
// was when the dialog is cancelled or its answer does not fit (then errorMessage says so). A
// batch that does not fit into the list throws an Overflow failure and adds nothing.
AddFilesResult AddFiles(ListBox& list, CommonDialog& dialog, CommonDialogState& state,
                        std::string& lastAddFolder, bool autoBreak);

}  // namespace velutreck
