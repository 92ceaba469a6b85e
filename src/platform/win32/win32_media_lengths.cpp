#include "platform/win32/win32_media_lengths.h"

#include <deque>
#include <map>
#include <mutex>

#include "platform/audio_header_length.h"
#include "platform/cd_track_file.h"
#include "platform/win32/answering_wait.h"
#include "platform/win32/giving_up_thread.h"
#include "platform/win32/slim_lock.h"
#include "platform/win32/wide_text.h"

namespace velutreck {

namespace {

constexpr DWORD GiveUpMs = static_cast<DWORD>(std::chrono::milliseconds(GiveUpReadingAfter).count());

struct FileStamp {
    ULONGLONG size = 0;
    ULONGLONG lastWrite = 0;
    bool operator==(const FileStamp&) const = default;
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

// At most `size` bytes of the file's start; none when it cannot be read.
std::optional<std::string> FileStart(const std::wstring& path, std::size_t size) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return std::nullopt;
    }
    std::string bytes(size, '\0');
    DWORD read = 0;
    const BOOL ok = ReadFile(file, bytes.data(), static_cast<DWORD>(size), &read, nullptr);
    CloseHandle(file);
    if (!ok) {
        return std::nullopt;
    }
    bytes.resize(read);
    return bytes;
}

// A CD track file holds its length; WAV and AIFF headers state theirs, which Windows without Media
// Foundation (the N editions) needs; a decoder reads the rest.
std::optional<std::chrono::milliseconds> ReadLength(const std::wstring& path, const std::string& utf8Path,
                                                    ULONGLONG size, MediaFoundationLength& mediaFoundation) {
    if (IsCdTrackFile(utf8Path)) {
        const std::optional<std::string> start = FileStart(path, CdTrackFileSize + 1);
        return start ? CdTrackLength(*start) : std::nullopt;
    }
    if (const std::optional<std::string> start = FileStart(path, AudioHeaderBytes)) {
        if (const auto length = AudioHeaderLength(*start, size)) {
            return length;
        }
    }
    return mediaFoundation.Read(path);
}

}  // namespace

struct Win32MediaLengths::Worker {
    struct Entry {
        MediaLength length;
        std::optional<FileStamp> stamp;  // of the file as last read
        bool givenUp = false;
        bool queued = false;
    };

    Worker() : arrived(CreateEventW(nullptr, FALSE, FALSE, nullptr)) {}
    ~Worker() {
        if (arrived != nullptr) {
            CloseHandle(arrived);
        }
    }
    Worker(const Worker&) = delete;
    Worker& operator=(const Worker&) = delete;

    // False when the thread is still inside a call after the time: it must then be left alone.
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

    // The files one after another; a file the reader takes too long over is given up alone, and
    // the next file gets a new reader.
    void Run() {
        GivingUpThread reader;
        std::unique_lock lock(mutex);
        while (true) {
            work.Wait(mutex, [this] { return stopping || !queue.empty(); });
            if (stopping) {
                break;
            }
            const std::string path = queue.front();
            queue.pop_front();
            lock.unlock();
            Look(path, reader);
            lock.lock();
        }
    }

    // Outside the lock. What the reader's calls fill in they own, as a call given up outlives this.
    void Look(const std::string& path, GivingUpThread& reader) {
        const auto wide = std::make_shared<const std::wstring>(Widen(path));
        const auto stamp = std::make_shared<std::optional<FileStamp>>();
        if (!reader.Run([wide, stamp](MediaFoundationLength&) { *stamp = StampOf(*wide); }, GiveUpMs)) {
            return Store(path, std::nullopt, MediaLength{}, true);
        }
        {
            std::lock_guard lock(mutex);
            Entry& entry = entries[path];
            const bool settled = entry.length.state == MediaLength::State::Known || entry.givenUp;
            if (settled && entry.stamp == *stamp) {
                entry.queued = false;
                SetEvent(arrived);
                return;
            }
        }
        if (!*stamp) {
            return Store(path, std::nullopt, MediaLength{}, false);
        }
        const auto time = std::make_shared<std::optional<std::chrono::milliseconds>>();
        const ULONGLONG size = (*stamp)->size;
        const bool returned = reader.Run(
            [wide, path, size, time](MediaFoundationLength& mediaFoundation) {
                *time = ReadLength(*wide, path, size, mediaFoundation);
            },
            GiveUpMs);
        const MediaLength length = returned && *time ? MediaLength{MediaLength::State::Known, **time} : MediaLength{};
        Store(path, *stamp, length, !returned);
    }

    void Store(const std::string& path, const std::optional<FileStamp>& stamp, const MediaLength& length, bool givenUp) {
        std::lock_guard lock(mutex);
        Entry& entry = entries[path];
        const bool changed = entry.length.state != length.state || entry.length.time != length.time;
        entry.length = length;
        entry.stamp = stamp;
        entry.givenUp = givenUp;
        entry.queued = false;
        SetEvent(arrived);
        if (changed && !notified && window != nullptr) {
            notified = PostMessageW(window, message, 0, 0) != FALSE;
        }
    }

    bool AnyQueued(const std::vector<std::string>& paths) {
        std::lock_guard lock(mutex);
        for (const std::string& path : paths) {
            const auto found = entries.find(path);
            if (found != entries.end() && found->second.queued) {
                return true;
            }
        }
        return false;
    }

    SlimLock mutex;
    Condition work;
    HANDLE arrived;  // set whenever a file's look or read has ended
    std::deque<std::string> queue;
    std::map<std::string, Entry> entries;
    HWND window = nullptr;
    UINT message = 0;
    bool notified = false;
    bool stopping = false;
    HANDLE thread = nullptr;
};

Win32MediaLengths::Win32MediaLengths() : worker_(std::make_unique<Worker>()) {}

// A reader that hangs must not keep Velutreck from ending: the thread that waits for it keeps the
// worker, and the process ends both.
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

// Each file is looked at on the worker's thread, never on the window's: a share can be slow to answer.
void Win32MediaLengths::Read(const std::vector<std::string>& paths) {
    Worker& worker = *worker_;
    bool queued = false;
    {
        std::lock_guard lock(worker.mutex);
        worker.notified = false;
        for (const std::string& path : paths) {
            auto [found, isNew] = worker.entries.try_emplace(path);
            Worker::Entry& entry = found->second;
            if (entry.queued) {
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

// On the window's thread, inside a tick: it answers and paints as the job's pauses do.
void Win32MediaLengths::WaitFor(const std::vector<std::string>& paths, std::chrono::milliseconds limit) {
    const ULONGLONG until = GetTickCount64() + static_cast<ULONGLONG>(limit.count());
    while (worker_->AnyQueued(paths)) {
        const ULONGLONG now = GetTickCount64();
        if (now >= until) {
            return;
        }
        WaitAnsweringForEvent(worker_->arrived, static_cast<DWORD>(until - now));
    }
}

}  // namespace velutreck
