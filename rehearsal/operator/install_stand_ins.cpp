#include "rehearsal/operator/install_stand_ins.h"

#include <filesystem>
#include <stdexcept>
#include <vector>

#include "platform/win32/wide_text.h"
#include "platform/win32/windows_api.h"
#include "rehearsal/hosts/stand_in_speed.h"
#include "rehearsal/hosts/virtual_drive_keeper.h"
#include "rehearsal/operator/velutreck_process.h"

#include <tlhelp32.h>

namespace velutreck::standintest {

namespace {

struct ProcessHandle {
    explicit ProcessHandle(DWORD id)
        : handle(OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, id)) {}
    ProcessHandle(const ProcessHandle&) = delete;
    ProcessHandle& operator=(const ProcessHandle&) = delete;
    ~ProcessHandle() {
        if (handle != nullptr) {
            CloseHandle(handle);
        }
    }
    bool EndsWithin(DWORD milliseconds) const {
        return handle == nullptr || WaitForSingleObject(handle, milliseconds) == WAIT_OBJECT_0;
    }
    HANDLE handle;
};

std::string ImagePath(const ProcessHandle& process) {
    wchar_t path[MAX_PATH * 2] = {};
    DWORD length = MAX_PATH * 2;
    if (process.handle == nullptr || !QueryFullProcessImageNameW(process.handle, 0, path, &length)) {
        return {};
    }
    return Narrow(std::wstring_view(path, length));
}

bool IsInstalledStandIn(const std::string& path) {
    for (const std::string& installed : {SimpleBurnerPath, ImageDrivePath, NeroPath}) {
        if (CompareStringOrdinal(Widen(path).c_str(), -1, Widen(installed).c_str(), -1, TRUE) == CSTR_EQUAL) {
            return true;
        }
    }
    return false;
}

std::vector<DWORD> RunningProcesses() {
    std::vector<DWORD> ids;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) {
        return ids;
    }
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof(entry);
    for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry)) {
        ids.push_back(entry.th32ProcessID);
    }
    CloseHandle(snapshot);
    return ids;
}

void EndResidentDrive() {
    const HWND resident = FindResidentDrive();
    if (resident == nullptr) {
        return;
    }
    DWORD id = 0;
    GetWindowThreadProcessId(resident, &id);
    const ProcessHandle process(id);
    PostMessageW(resident, WM_CLOSE, 0, 0);
    process.EndsWithin(5000);
}

void SetAssociation(const wchar_t* key, const std::wstring& value) {
    if (RegSetKeyValueW(HKEY_CLASSES_ROOT, key, nullptr, REG_SZ, value.c_str(),
                        static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t))) != ERROR_SUCCESS) {
        throw std::runtime_error("The .nra association cannot be registered.");
    }
}

void Install(const std::wstring& program, const std::string& target) {
    const std::filesystem::path targetPath(Widen(target));
    std::filesystem::create_directories(targetPath.parent_path());
    const std::wstring source = windowtest::BinFolder() + L"\\" + program;
    if (!CopyFileW(source.c_str(), targetPath.c_str(), FALSE)) {
        throw std::runtime_error("The stand-in " + Narrow(program) + " cannot be copied to " + target + ".");
    }
}

}  // namespace

void InstallStandIns() {
    EndStandIns();
    Install(L"NetMDSB.exe", SimpleBurnerPath);
    Install(L"ImageDrive.exe", ImageDrivePath);
    Install(L"nero.exe", NeroPath);
    SetAssociation(L".nra", L"NraFile");
    SetAssociation(L"NraFile\\shell\\open\\command", L"\"" + Widen(NeroPath) + L"\" \"%1\"");
}

StandInState UseStandInState(const std::string& folder, double speed) {
    std::filesystem::create_directories(std::filesystem::path(Widen(folder)));
    StandInState state(folder);
    for (const std::string& file : {state.DiscFile(), state.DriveFile(), state.LogFile()}) {
        DeleteFileW(Widen(file).c_str());
    }
    SetEnvironmentVariableW(Widen(StandInStateVariable).c_str(), Widen(folder).c_str());
    SetEnvironmentVariableW(Widen(StandInSpeedVariable).c_str(), std::to_wstring(speed).c_str());
    return state;
}

void EndStandIns() {
    EndResidentDrive();
    for (DWORD id : RunningProcesses()) {
        const ProcessHandle process(id);
        if (IsInstalledStandIn(ImagePath(process))) {
            TerminateProcess(process.handle, 1);
            process.EndsWithin(5000);
        }
    }
}

}  // namespace velutreck::standintest
