// Measures Velutreck.exe's start-up for scripts/bench-startup: the time from starting the program
// to its shown, painted and answering main window against the same time of same_controls_window.exe, a window with the
// same DLLs and controls and nothing else, started in turn with it; and Velutreck's peak working
// set. Both programs lie beside this one; the results go to standard output.
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

struct Program {
    const wchar_t* file;
    const wchar_t* windowClass;
};

constexpr Program Velutreck{L"Velutreck.exe", L"Velutreck.frmMain"};
constexpr Program SameControls{L"same_controls_window.exe", L"Velutreck.SameControls"};

HWND ShownMainWindow(DWORD processId, const wchar_t* windowClass) {
    HWND found = nullptr;
    while ((found = FindWindowExW(nullptr, found, windowClass, nullptr)) != nullptr) {
        DWORD owner = 0;
        GetWindowThreadProcessId(found, &owner);
        if (owner == processId && IsWindowVisible(found)) {
            return found;
        }
    }
    return nullptr;
}

bool MeasureOneStart(const std::wstring& folder, const Program& started, Start& start) {
    const std::wstring program = folder + started.file;
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
    while (!(window = ShownMainWindow(process.dwProcessId, started.windowClass)) && GetTickCount64() < deadline) {
        Sleep(1);
    }
    // Shown means painted and answering: a message sent to another thread's window is answered once
    // that thread is back in its message loop, after its first paint.
    DWORD_PTR answer = 0;
    if (window) {
        SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 30000, &answer);
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

double MedianMilliseconds(std::vector<Start> starts) {
    std::sort(starts.begin(), starts.end(), [](const Start& a, const Start& b) { return a.milliseconds < b.milliseconds; });
    return starts[starts.size() / 2].milliseconds;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    wchar_t self[MAX_PATH] = {};
    const std::wstring path(self, GetModuleFileNameW(nullptr, self, MAX_PATH));
    const std::wstring folder = path.substr(0, path.find_last_of(L'\\') + 1);
    // Alternating, so that whatever else the machine does slows both alike.
    constexpr int Starts = 9;
    std::vector<Start> velutreck;
    std::vector<Start> sameControls;
    for (int i = 0; i < Starts; ++i) {
        for (const Program* program : {&Velutreck, &SameControls}) {
            Start start{};
            if (!MeasureOneStart(folder, *program, start)) {
                std::printf("%ls, start %d: no window within 30 s\n", program->file, i + 1);
                return 1;
            }
            std::printf("%ls, start %d: window shown after %.0f ms, peak working set %.1f MiB\n", program->file, i + 1,
                        start.milliseconds, static_cast<double>(start.peakWorkingSet) / (1024.0 * 1024.0));
            (program == &Velutreck ? velutreck : sameControls).push_back(start);
        }
    }
    const double velutreckMedian = MedianMilliseconds(velutreck);
    const double sameControlsMedian = MedianMilliseconds(sameControls);
    const auto peak = std::max_element(velutreck.begin(), velutreck.end(), [](const Start& a, const Start& b) {
        return a.peakWorkingSet < b.peakWorkingSet;
    });
    std::printf("median start-up to the shown window: Velutreck %.0f ms, the same controls alone %.0f ms\n",
                velutreckMedian, sameControlsMedian);
    std::printf("ratio: %.3f; Velutreck's peak working set %.1f MiB\n", velutreckMedian / sameControlsMedian,
                static_cast<double>(peak->peakWorkingSet) / (1024.0 * 1024.0));
    return 0;
}
