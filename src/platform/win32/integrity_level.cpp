#include "platform/win32/integrity_level.h"

#include <optional>
#include <vector>

#include "platform/privilege_isolation.h"

namespace velutreck {

namespace {

// The level is the last sub-authority of the token's mandatory label (0x2000 medium, 0x3000 high).
std::optional<DWORD> IntegrityOf(HANDLE process) {
    HANDLE token = nullptr;
    if (!OpenProcessToken(process, TOKEN_QUERY, &token)) {
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

// A lower level may open a higher one for limited queries, which is all the token needs; only
// another account's process stays closed.
bool RunsAboveThisProcess(DWORD processId) {
    const std::optional<DWORD> ours = IntegrityOf(GetCurrentProcess());
    if (!ours) {
        return false;
    }
    const HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
    if (process == nullptr) {
        return GetLastError() == ERROR_ACCESS_DENIED && RunsAbove(std::nullopt, *ours);
    }
    const std::optional<DWORD> theirs = IntegrityOf(process);
    CloseHandle(process);
    return theirs && RunsAbove(*theirs, *ours);
}

bool ThisProcessRunsElevated() {
    const std::optional<DWORD> ours = IntegrityOf(GetCurrentProcess());
    return ours && *ours >= HighIntegrity;
}

}  // namespace velutreck
