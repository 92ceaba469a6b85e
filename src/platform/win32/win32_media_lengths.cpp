#include "platform/win32/win32_media_lengths.h"

#include <condition_variable>
#include <deque>
#include <map>
#include <mutex>
#include <thread>
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

}  // namespace

struct Win32MediaLengths::Worker {
    struct Entry {
        MediaLength length;
        std::optional<FileStamp> stamp;
        ULONGLONG checkedAt = 0;
        bool queued = false;
    };

    ~Worker() {
        {
            std::lock_guard lock(mutex);
            stopping = true;
        }
        work.notify_all();
        if (thread.joinable()) {
            thread.join();
        }
    }

    void Run() {
        const HRESULT com = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
        {
            MediaFoundationLength mediaFoundation;
            std::unique_lock lock(mutex);
            while (true) {
                work.wait(lock, [this] { return stopping || !queue.empty(); });
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
        done.notify_all();
        if (changed && !notified && window != nullptr) {
            notified = PostMessageW(window, message, 0, 0) != FALSE;
        }
    }

    std::mutex mutex;
    std::condition_variable work;
    std::condition_variable done;
    std::deque<std::string> queue;
    std::map<std::string, Entry> entries;
    std::map<std::tuple<std::string, FileStamp>, MediaLength> cache;
    HWND window = nullptr;
    UINT message = 0;
    bool notified = false;
    bool stopping = false;
    std::thread thread;
};

Win32MediaLengths::Win32MediaLengths() : worker_(std::make_unique<Worker>()) {}

Win32MediaLengths::~Win32MediaLengths() = default;

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
        if (queued && !worker.thread.joinable()) {
            worker.thread = std::thread([&worker] { worker.Run(); });
        }
    }
    if (queued) {
        worker.work.notify_one();
    }
}

MediaLength Win32MediaLengths::Length(const std::string& path) const {
    std::lock_guard lock(worker_->mutex);
    const auto found = worker_->entries.find(path);
    return found == worker_->entries.end() ? MediaLength{} : found->second.length;
}

void Win32MediaLengths::WaitFor(const std::vector<std::string>& paths, std::chrono::milliseconds limit) {
    std::unique_lock lock(worker_->mutex);
    worker_->done.wait_for(lock, limit, [&] {
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
