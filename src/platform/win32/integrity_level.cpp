#include "platform/win32/integrity_level.h"

#include <optional>
#include <vector>

#include "platform/privilege_isolation.h"

namespace velutreck {

namespace {

// The level is the last sub-authority of the token's mandatory label (0x2000 medium, 0x3000 high).
// None when it cannot be read; denied, when given, tells whether Windows refused the token.
std::optional<DWORD> IntegrityOf(HANDLE process, bool* denied = nullptr) {
    HANDLE token = nullptr;
    if (!OpenProcessToken(process, TOKEN_QUERY, &token)) {
        if (denied != nullptr) {
            *denied = GetLastError() == ERROR_ACCESS_DENIED;
        }
        return std::nullopt;
    }
    std::optional<DWORD> level;
    DWORD size = 0;
    GetTokenInformation(token, TokenIntegrityLevel, nullptr, 0, &size);
    std::vector<BYTE> label(size);
    if (size >= sizeof(TOKEN_MANDATORY_LABEL) &&
        GetTokenInformation(token, TokenIntegrityLevel, label.data(), size, &size)) {
        const PSID sid = reinterpret_cast<const TOKEN_MANDATORY_LABEL*>(label.data())->Label.Sid;
        const UCHAR count = *GetSidSubAuthorityCount(sid);
        if (count > 0) {
            level = *GetSidSubAuthority(sid, count - 1);
        }
    }
    CloseHandle(token);
    return level;
}

}  // namespace

// A lower level may open a higher one for limited queries, which is all the token needs; another
// account's process, or its token, stays closed.
bool RunsAboveThisProcess(DWORD processId) {
    const std::optional<DWORD> ours = IntegrityOf(GetCurrentProcess());
    if (!ours) {
        return false;
    }
    bool denied = false;
    std::optional<DWORD> theirs;
    const HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
    if (process == nullptr) {
        denied = GetLastError() == ERROR_ACCESS_DENIED;
    } else {
        theirs = IntegrityOf(process, &denied);
        CloseHandle(process);
    }
    return (theirs || denied) && RunsAbove(theirs, *ours);
}

bool ThisProcessRunsElevated() {
    const std::optional<DWORD> ours = IntegrityOf(GetCurrentProcess());
    return ours && *ours >= HighIntegrity;
}

}  // namespace velutreck
