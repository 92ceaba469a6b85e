#include "platform/win32/program_folder.h"

#include "platform/win32/known_folder.h"
#include "platform/win32/wide_text.h"

#include <knownfolders.h>

namespace velutreck {

std::string ProgramFile() {
    std::wstring path(MAX_PATH, L'\0');
    while (true) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            return Narrow(path);
        }
        path.resize(path.size() * 2);
    }
}

std::string ProgramFolder() { return FolderOfFile(ProgramFile()); }

std::string LogFolder() {
    const std::string local = KnownFolderPath(FOLDERID_LocalAppData);
    return local.empty() ? local : local + "\\Velutreck";
}

}  // namespace velutreck
