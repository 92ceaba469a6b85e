#include "platform/win32/known_folder.h"

#include "platform/win32/wide_text.h"

namespace velutreck {

std::string KnownFolderPath(REFKNOWNFOLDERID id) {
    PWSTR path = nullptr;
    std::string folder;
    // KF_FLAG_DONT_VERIFY: a folder that does not exist yet (Send to on a fresh profile) is still named.
    if (SUCCEEDED(SHGetKnownFolderPath(id, KF_FLAG_DONT_VERIFY, nullptr, &path))) {
        folder = Narrow(path);
    }
    CoTaskMemFree(path);
    return folder;
}

}  // namespace velutreck
