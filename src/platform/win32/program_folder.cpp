#include "platform/win32/program_folder.h"

#include "platform/win32/wide_text.h"
#include "platform/win32/windows_api.h"

#include <knownfolders.h>
#include <shlobj.h>

namespace velutreck {

std::string ProgramFolder() {
    std::wstring path(MAX_PATH, L'\0');
    while (true) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            return FolderOfFile(Narrow(path));
        }
        path.resize(path.size() * 2);
    }
}

std::string LogFolder() {
    PWSTR local = nullptr;
    std::string folder;
    if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_LocalAppData, 0, nullptr, &local))) {
        folder = Narrow(local) + "\\Velutreck";
    }
    CoTaskMemFree(local);
    return folder;
}

std::string FolderOfFile(const std::string& filePath) {
    const std::size_t slash = filePath.find_last_of("\\/");
    if (slash == std::string::npos) {
        return {};
    }
    // "C:\Velutreck.exe" lies in "C:\", not in "C:", which would mean the drive's current folder.
    const bool driveRoot = slash == 2 && filePath[1] == ':';
    return filePath.substr(0, driveRoot ? slash + 1 : slash);
}

}  // namespace velutreck
