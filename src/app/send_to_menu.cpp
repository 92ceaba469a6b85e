#include "app/send_to_menu.h"

#include <exception>
#include <optional>

#include "base/failure.h"
#include "base/file_in_folder.h"
#include "base/product.h"
#include "base/windows_paths.h"

namespace velutreck {

namespace {

// The menu shows the shortcut's name without ".lnk".
const std::string ShortcutName = "Velutreck.lnk";

std::string ShortcutPath(const FileSystem& files) {
    const std::string sendTo = files.KnownFolderPath(KnownFolder::SendTo);
    if (sendTo.empty()) {
        throw Failure(FailureKind::FileSystem, "Windows does not say where its Send to folder is.");
    }
    return FileInFolder(sendTo, ShortcutName);
}

bool LeadsHere(const std::optional<std::string>& target, const SendToServices& services) {
    return target && SamePath(*target, services.programFile);
}

std::string ReplaceQuestion(const std::optional<std::string>& target, const std::string& programFile) {
    return "Explorer's Send to menu already shows a Velutreck that starts " +
           (target ? *target : std::string("another program")) + ". Let it start this copy, " + programFile +
           ", instead?";
}

void Apply(bool wanted, const SendToServices& services) {
    const std::string shortcut = ShortcutPath(services.files);
    const std::optional<std::string> target = services.shortcuts.Target(shortcut);
    if (!wanted) {
        if (LeadsHere(target, services)) {
            services.files.DeleteFile(shortcut);
        }
        return;
    }
    if (LeadsHere(target, services)) {
        return;
    }
    if (services.files.FileExists(shortcut) &&
        services.messageBoxes.Show(ReplaceQuestion(target, services.programFile), MessageBoxStyle::YesNoQuestion,
                                   ProductName) != MessageBoxAnswer::Yes) {
        return;
    }
    const std::string folder = FolderOfFile(shortcut);
    if (!services.files.FolderExists(folder)) {
        services.files.CreateFolder(folder);
    }
    services.shortcuts.Create(shortcut, services.programFile);
}

}  // namespace

Int16 SendToState(const SendToServices& services) {
    if (services.files.KnownFolderPath(KnownFolder::SendTo).empty()) {
        return 0;
    }
    return LeadsHere(services.shortcuts.Target(ShortcutPath(services.files)), services) ? 1 : 0;
}

void SendToClicked(CheckBox& box, const SendToServices& services) {
    try {
        Apply(box.Value() != 0, services);
    } catch (const std::exception&) {
        box.SetValue(SendToState(services));
        throw;
    }
    box.SetValue(SendToState(services));
}

}  // namespace velutreck
