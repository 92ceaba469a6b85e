#include "rehearsal/operator/open_dialog.h"

#include <stdexcept>

#include <dlgs.h>

#include "rehearsal/operator/operator_actions.h"
#include "rehearsal/operator/velutreck_process.h"

namespace velutreck::operating {

namespace {

constexpr DWORD DialogTimeoutMs = 15000;

struct DialogSearch {
    DWORD process;
    HWND found;
};

// The open-file dialog is the one "#32770" of Velutreck's that is not a message box.
HWND OpenDialogOf(HWND mainWindow) {
    DialogSearch search{0, nullptr};
    GetWindowThreadProcessId(mainWindow, &search.process);
    EnumWindows(
        [](HWND window, LPARAM parameter) -> BOOL {
            auto& wanted = *reinterpret_cast<DialogSearch*>(parameter);
            DWORD process = 0;
            GetWindowThreadProcessId(window, &process);
            wchar_t className[16] = {};
            GetClassNameW(window, className, 16);
            if (process == wanted.process && IsWindowVisible(window) && IsWindowEnabled(window) &&
                lstrcmpW(className, L"#32770") == 0 && CaptionOf(window) != "Velutreck") {
                wanted.found = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

bool IsEdit(HWND window) {
    wchar_t className[16] = {};
    GetClassNameW(window, className, 16);
    return lstrcmpiW(className, L"Edit") == 0;
}

// The file-name field: an edit box of its own in older dialogs, the edit box inside a combo box
// in newer ones.
HWND FileNameField(HWND dialog) {
    for (int id : {edt1, cmb13}) {
        HWND control = GetDlgItem(dialog, id);
        while (control != nullptr && !IsEdit(control)) {
            control = FindWindowExW(control, nullptr, nullptr, nullptr);
        }
        if (control != nullptr && IsWindowVisible(control)) {
            return control;
        }
    }
    throw std::runtime_error("The open-file dialog has no file-name field.");
}

std::string NamesToType(const std::vector<std::string>& names) {
    if (names.size() == 1) {
        return names.front();
    }
    std::string typed;
    for (const std::string& name : names) {
        typed += (typed.empty() ? "\"" : " \"") + name + "\"";
    }
    return typed;
}

}  // namespace

void AddFiles(HWND mainWindow, const std::string& folder, const std::vector<std::string>& names) {
    const std::size_t before = ListEntries(mainWindow).size();
    Press(mainWindow, ControlId::btnAdd);
    HWND dialog = nullptr;
    if (!windowtest::Eventually([&] { return (dialog = OpenDialogOf(mainWindow)) != nullptr; }, DialogTimeoutMs)) {
        throw std::runtime_error("Add opened no file dialog.");
    }
    const HWND field = FileNameField(dialog);
    FocusControl(dialog, field);

    ReplaceFocusedText(folder);
    TypeKey(NamedKey::Enter);
    // The dialog has gone to the folder once it has taken the Enter. It may leave the path in the
    // field, selected, so the names replace whatever the field holds.
    ReplaceFocusedText(NamesToType(names));
    TypeKey(NamedKey::Enter);
    if (!windowtest::Eventually([&] { return !IsWindow(dialog); }, DialogTimeoutMs)) {
        throw std::runtime_error("The file dialog did not take the names " + NamesToType(names) + " in " + folder +
                                 "; its file name reads \"" + windowtest::TextOf(field) + "\".");
    }
    std::vector<std::string> entries;
    const bool grown = windowtest::Eventually(
        [&] { return (entries = ListEntries(mainWindow)).size() >= before + names.size(); }, DialogTimeoutMs);
    for (std::size_t i = 0; i < names.size(); ++i) {
        const std::string expected = folder + "\\" + names[i];
        if (!grown || entries[entries.size() - names.size() + i] != expected) {
            throw std::runtime_error("The track list did not get " + expected + " from the file dialog.");
        }
    }
}

}  // namespace velutreck::operating
