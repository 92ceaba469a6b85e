#include "platform/win32/win32_media_lengths.h"

#include <deque>
#include <map>
#include <mutex>
#include <tuple>

#include <objbase.h>

#include "platform/cd_track_file.h"
#include "platform/win32/media_foundation_length.h"
#include "platform/win32/wide_text.h"

namespace velutreck {

namespace {

// A length once read is trusted this long before the file's size and time are looked at again.
constexpr ULONGLONG RecheckAfterMs = 2000;

struct FileStamp {
    ULONGLONG size = 0;
    ULONGLONG lastWrite = 0;
    auto operator<=>(const FileStamp&) const = default;
};

std::optional<FileStamp> StampOf(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data) ||
        (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return std::nullopt;
    }
    return FileStamp{(static_cast<ULONGLONG>(data.nFileSizeHigh) << 32) | data.nFileSizeLow,
                     (static_cast<ULONGLONG>(data.ftLastWriteTime.dwHighDateTime) << 32) | data.ftLastWriteTime.dwLowDateTime};
}

std::optional<std::chrono::milliseconds> CdTrackFileLength(const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return std::nullopt;
    }
    char bytes[CdTrackFileSize + 1];
    DWORD read = 0;
    const BOOL ok = ReadFile(file, bytes, sizeof(bytes), &read, nullptr);
    CloseHandle(file);
    return ok ? CdTrackLength(std::string_view(bytes, read)) : std::nullopt;
}

// A slim reader/writer lock taken exclusively, so that std::lock_guard and std::unique_lock take it.
class SlimLock {
public:
    void lock() { AcquireSRWLockExclusive(&lock_); }
    void unlock() { ReleaseSRWLockExclusive(&lock_); }
    SRWLOCK* Native() { return &lock_; }

private:
    SRWLOCK lock_ = SRWLOCK_INIT;
};

class Condition {
public:
    // Like std::condition_variable::wait_for: false when the time ran out before the predicate held.
    template <typename Predicate>
    bool WaitFor(SlimLock& lock, DWORD timeoutMs, Predicate&& holds) {
        const ULONGLONG deadline = GetTickCount64() + timeoutMs;
        while (!holds()) {
            const ULONGLONG now = GetTickCount64();
            if (now >= deadline) {
                return false;
            }
            SleepConditionVariableSRW(&condition_, lock.Native(), static_cast<DWORD>(deadline - now), 0);
        }
        return true;
    }
    template <typename Predicate>
    void Wait(SlimLock& lock, Predicate&& holds) {
        while (!holds()) {
            SleepConditionVariableSRW(&condition_, lock.Native(), INFINITE, 0);
        }
    }
    void WakeAll() { WakeAllConditionVariable(&condition_); }

private:
    CONDITION_VARIABLE condition_ = CONDITION_VARIABLE_INIT;
};

}  // namespace

struct Win32MediaLengths::Worker {
    struct Entry {
        MediaLength length;
        std::optional<FileStamp> stamp;
        ULONGLONG checkedAt = 0;
        bool queued = false;
    };

    // False when the thread is still inside a decoder after the time: it must then be left alone.
    bool Stop(DWORD timeoutMs) {
        {
            std::lock_guard lock(mutex);
            stopping = true;
        }
        work.WakeAll();
        if (thread == nullptr) {
            return true;
        }
        const bool ended = WaitForSingleObject(thread, timeoutMs) == WAIT_OBJECT_0;
        CloseHandle(thread);
        return ended;
    }

    static DWORD WINAPI ThreadProcedure(void* worker) {
        static_cast<Worker*>(worker)->Run();
        return 0;
    }

    void Run() {
        const HRESULT com = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
        {
            MediaFoundationLength mediaFoundation;
            std::unique_lock lock(mutex);
            while (true) {
                work.Wait(mutex, [this] { return stopping || !queue.empty(); });
                if (stopping) {
                    break;
                }
                const std::string path = queue.front();
                queue.pop_front();
                lock.unlock();
                const auto [stamp, length] = ReadLength(path, mediaFoundation);
                lock.lock();
                Store(path, stamp, length);
            }
        }
        if (SUCCEEDED(com)) {
            CoUninitialize();
        }
    }

    // Outside the lock: a decoder may take its time.
    std::pair<std::optional<FileStamp>, MediaLength> ReadLength(const std::string& path,
                                                                MediaFoundationLength& mediaFoundation) {
        const std::wstring wide = Widen(path);
        const std::optional<FileStamp> stamp = StampOf(wide);
        if (!stamp) {
            return {stamp, MediaLength{}};
        }
        {
            std::lock_guard lock(mutex);
            const auto cached = cache.find({path, *stamp});
            if (cached != cache.end()) {
                return {stamp, cached->second};
            }
        }
        const std::optional<std::chrono::milliseconds> time =
            IsCdTrackFile(path) ? CdTrackFileLength(wide) : mediaFoundation.Read(wide);
        const MediaLength length = time ? MediaLength{MediaLength::State::Known, *time} : MediaLength{};
        std::lock_guard lock(mutex);
        cache[{path, *stamp}] = length;
        return {stamp, length};
    }

    // Under the lock.
    void Store(const std::string& path, const std::optional<FileStamp>& stamp, const MediaLength& length) {
        Entry& entry = entries[path];
        const bool changed = entry.length.state != length.state || entry.length.time != length.time;
        entry.length = length;
        entry.stamp = stamp;
        entry.checkedAt = GetTickCount64();
        entry.queued = false;
        done.WakeAll();
        if (changed && !notified && window != nullptr) {
            notified = PostMessageW(window, message, 0, 0) != FALSE;
        }
    }

    SlimLock mutex;
    Condition work;
    Condition done;
    std::deque<std::string> queue;
    std::map<std::string, Entry> entries;
    std::map<std::tuple<std::string, FileStamp>, MediaLength> cache;
    HWND window = nullptr;
    UINT message = 0;
    bool notified = false;
    bool stopping = false;
    HANDLE thread = nullptr;
};

Win32MediaLengths::Win32MediaLengths() : worker_(std::make_unique<Worker>()) {}

// A decoder that hangs must not keep Velutreck from ending: its thread keeps the worker, and the
// process ends both.
Win32MediaLengths::~Win32MediaLengths() {
    constexpr DWORD StopWaitMs = 2000;
    if (!worker_->Stop(StopWaitMs)) {
        static_cast<void>(worker_.release());
    }
}

void Win32MediaLengths::NotifyWindow(HWND window, UINT message) {
    std::lock_guard lock(worker_->mutex);
    worker_->window = window;
    worker_->message = message;
}

void Win32MediaLengths::Read(const std::vector<std::string>& paths) {
    Worker& worker = *worker_;
    bool queued = false;
    {
        std::lock_guard lock(worker.mutex);
        worker.notified = false;
        const ULONGLONG now = GetTickCount64();
        for (const std::string& path : paths) {
            auto [found, isNew] = worker.entries.try_emplace(path);
            Worker::Entry& entry = found->second;
            if (entry.queued || (!isNew && now - entry.checkedAt < RecheckAfterMs)) {
                continue;
            }
            if (isNew) {
                entry.length.state = MediaLength::State::Reading;
            }
            entry.queued = true;
            worker.queue.push_back(path);
            queued = true;
        }
        // The thread starts with the first length asked for, not with the program.
        if (queued && worker.thread == nullptr) {
            worker.thread = CreateThread(nullptr, 0, &Worker::ThreadProcedure, &worker, 0, nullptr);
        }
    }
    if (queued) {
        worker.work.WakeAll();
    }
}

MediaLength Win32MediaLengths::Length(const std::string& path) const {
    std::lock_guard lock(worker_->mutex);
    const auto found = worker_->entries.find(path);
    return found == worker_->entries.end() ? MediaLength{} : found->second.length;
}

void Win32MediaLengths::WaitFor(const std::vector<std::string>& paths, std::chrono::milliseconds limit) {
    std::lock_guard lock(worker_->mutex);
    worker_->done.WaitFor(worker_->mutex, static_cast<DWORD>(limit.count()), [&] {
        for (const std::string& path : paths) {
            const auto found = worker_->entries.find(path);
            if (found != worker_->entries.end() && found->second.queued) {
                return false;
            }
        }
        return true;
    });
}

}  // namespace velutreck
