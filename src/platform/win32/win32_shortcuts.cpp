#include "platform/win32/win32_shortcuts.h"

#include "base/failure.h"
#include "base/windows_paths.h"
#include "platform/win32/com_pointer.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/windows_api.h"

#include <objbase.h>
#include <shlobj.h>

namespace velutreck {

namespace {

bool NewShellLink(ComPointer<IShellLinkW>& link) {
    return SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW, link.OutVoid()));
}

}  // namespace

std::optional<std::string> Win32Shortcuts::Target(const std::string& shortcut) const {
    // Most users have no shortcut: start-up then loads no shell link handler.
    if (GetFileAttributesW(Widen(shortcut).c_str()) == INVALID_FILE_ATTRIBUTES) {
        return std::nullopt;
    }
    ComPointer<IShellLinkW> link;
    ComPointer<IPersistFile> file;
    if (!NewShellLink(link) || FAILED(link->QueryInterface(IID_IPersistFile, file.OutVoid())) ||
        FAILED(file->Load(Widen(shortcut).c_str(), STGM_READ))) {
        return std::nullopt;
    }
    // The path as saved, without resolving: a moved program is not searched for.
    wchar_t target[MAX_PATH] = {};
    if (link->GetPath(target, MAX_PATH, nullptr, SLGP_RAWPATH) != S_OK || target[0] == L'\0') {
        return std::nullopt;
    }
    return Narrow(target);
}

void Win32Shortcuts::Create(const std::string& shortcut, const std::string& program) {
    ComPointer<IShellLinkW> link;
    ComPointer<IPersistFile> file;
    const bool saved = NewShellLink(link) && SUCCEEDED(link->SetPath(Widen(program).c_str())) &&
                       SUCCEEDED(link->SetWorkingDirectory(Widen(FolderOfFile(program)).c_str())) &&
                       SUCCEEDED(link->SetDescription(L"Velutreck")) &&
                       SUCCEEDED(link->QueryInterface(IID_IPersistFile, file.OutVoid())) &&
                       SUCCEEDED(file->Save(Widen(shortcut).c_str(), TRUE));
    if (!saved) {
        throw Failure(FailureKind::FileSystem, "Cannot save the shortcut \"" + shortcut + "\".");
    }
}

}  // namespace velutreck
