#include "platform/win32/win32_cd_drives.h"

#include <iterator>
#include <memory>
#include <mutex>
#include <thread>

#include "platform/cd_track_file.h"
#include "platform/win32/answering_wait.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_file_system.h"

namespace velutreck {

namespace {

constexpr DWORD AnswerEveryMs = 10;

// Shared by the waiting window and the reading thread, which may outlive the wait.
struct Reading {
    std::mutex mutex;
    std::vector<CdDrive> drives;
    bool done = false;
};

std::vector<std::string> CdRomLetters() {
    std::vector<std::string> letters;
    wchar_t roots[256] = {};
    const DWORD length = GetLogicalDriveStringsW(static_cast<DWORD>(std::size(roots)), roots);
    if (length == 0 || length >= std::size(roots)) {
        return letters;
    }
    for (const wchar_t* root = roots; *root != L'\0'; root += wcslen(root) + 1) {
        if (GetDriveTypeW(root) == DRIVE_CDROM) {
            letters.push_back(Narrow(std::wstring_view(root, 2)));
        }
    }
    return letters;
}

void ReadDrives(const std::shared_ptr<Reading>& reading) {
    // An empty drive must not ask the user to insert a disc: the thread fails such calls instead.
    SetThreadErrorMode(SEM_FAILCRITICALERRORS, nullptr);
    const Win32FileSystem files;
    for (const std::string& letter : CdRomLetters()) {
        CdDrive drive{letter, CdTracksIn(files, letter + "\\")};
        const std::lock_guard lock(reading->mutex);
        reading->drives.push_back(std::move(drive));
    }
    const std::lock_guard lock(reading->mutex);
    reading->done = true;
}

}  // namespace

std::vector<CdDrive> Win32CdDrives::Read(std::chrono::milliseconds limit) {
    auto reading = std::make_shared<Reading>();
    std::thread([reading] {
        try {
            ReadDrives(reading);
        } catch (...) {
            const std::lock_guard lock(reading->mutex);
            reading->done = true;
        }
    }).detach();
    const ULONGLONG until = GetTickCount64() + static_cast<ULONGLONG>(limit.count());
    for (;;) {
        {
            const std::lock_guard lock(reading->mutex);
            if (reading->done || GetTickCount64() >= until) {
                return reading->drives;
            }
        }
        WaitAnswering(AnswerEveryMs);
    }
}

}  // namespace velutreck
