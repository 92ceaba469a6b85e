// Measures Velutreck.exe's start-up for scripts/bench-startup: the time from starting the program
// to its shown main window, and its peak working set, over several starts. Velutreck.exe lies
// beside this program; the results go to standard output.
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/win32/windows_api.h"

#include <psapi.h>

namespace {

struct Start {
    double milliseconds;
    SIZE_T peakWorkingSet;
};

HWND ShownMainWindow(DWORD processId) {
    HWND found = nullptr;
    while ((found = FindWindowExW(nullptr, found, L"Velutreck.frmMain", nullptr)) != nullptr) {
        DWORD owner = 0;
        GetWindowThreadProcessId(found, &owner);
        if (owner == processId && IsWindowVisible(found)) {
            return found;
        }
    }
    return nullptr;
}

bool MeasureOneStart(const std::wstring& program, Start& start) {
    std::wstring commandLine = L"\"" + program + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    LARGE_INTEGER frequency{};
    LARGE_INTEGER begin{};
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&begin);
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process)) {
        return false;
    }
    HWND window = nullptr;
    const ULONGLONG deadline = GetTickCount64() + 30000;
    while (!(window = ShownMainWindow(process.dwProcessId)) && GetTickCount64() < deadline) {
        Sleep(1);
    }
    LARGE_INTEGER shown{};
    QueryPerformanceCounter(&shown);
    start.milliseconds = 1000.0 * static_cast<double>(shown.QuadPart - begin.QuadPart) /
                         static_cast<double>(frequency.QuadPart);
    // Let it finish painting before its memory is read.
    Sleep(1000);
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof(memory);
    K32GetProcessMemoryInfo(process.hProcess, &memory, sizeof(memory));
    start.peakWorkingSet = memory.PeakWorkingSetSize;
    if (window) {
        PostMessageW(window, WM_CLOSE, 0, 0);
    }
    if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0) {
        TerminateProcess(process.hProcess, 1);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return window != nullptr;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    wchar_t self[MAX_PATH] = {};
    const std::wstring path(self, GetModuleFileNameW(nullptr, self, MAX_PATH));
    const std::wstring program = path.substr(0, path.find_last_of(L'\\')) + L"\\Velutreck.exe";
    constexpr int Starts = 5;
    std::vector<Start> starts;
    for (int i = 0; i < Starts; ++i) {
        Start start{};
        if (!MeasureOneStart(program, start)) {
            std::printf("start %d: no window within 30 s\n", i + 1);
            return 1;
        }
        std::printf("start %d: window shown after %.0f ms, peak working set %.1f MiB\n", i + 1, start.milliseconds,
                    static_cast<double>(start.peakWorkingSet) / (1024.0 * 1024.0));
        starts.push_back(start);
    }
    std::sort(starts.begin(), starts.end(), [](const Start& a, const Start& b) { return a.milliseconds < b.milliseconds; });
    std::printf("median start-up to the shown window: %.0f ms (fastest %.0f ms)\n", starts[Starts / 2].milliseconds,
                starts.front().milliseconds);
    return 0;
}
