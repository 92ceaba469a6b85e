#include "rehearsal/operator/screenshot.h"

#include "rehearsal/operator/velutreck_process.h"

namespace velutreck::windowtest {

namespace {

std::wstring UnixPath(const std::wstring& windowsPath) {
    std::wstring path = windowsPath.substr(windowsPath.find(L':') + 1);
    for (wchar_t& c : path) {
        if (c == L'\\') {
            c = L'/';
        }
    }
    return path;
}

LONGLONG FileSize(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) {
        return -1;
    }
    return (static_cast<LONGLONG>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

}  // namespace

bool SaveScreenshot(const RECT& area, const std::wstring& path) {
    DeleteFileW(path.c_str());
    // Wine starts a Unix program without a handle to wait on, so the file is watched instead.
    std::wstring commandLine = L"/usr/bin/import -window root -crop " + std::to_wstring(area.right - area.left) + L"x" +
                               std::to_wstring(area.bottom - area.top) + L"+" + std::to_wstring(area.left) + L"+" +
                               std::to_wstring(area.top) + L" +repage \"" + UnixPath(path) + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(L"Z:\\usr\\bin\\import", commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &started)) {
        return false;
    }
    if (started.hProcess) {
        WaitForSingleObject(started.hProcess, 15000);
        CloseHandle(started.hProcess);
        CloseHandle(started.hThread);
    }
    LONGLONG lastSize = -1;
    return Eventually([&] {
        const LONGLONG size = FileSize(path);
        const bool settled = size > 0 && size == lastSize;
        lastSize = size;
        Sleep(200);
        return settled;
    });
}

}  // namespace velutreck::windowtest
