#include "engine/job_log.h"

#include <cstdio>
#include <exception>

#include "base/file_in_folder.h"
#include "base/product.h"
#include "base/version_number.h"

namespace velutreck {

namespace {

// Room kept for the job about to begin, so that the log is not trimmed again at once.
constexpr std::size_t RoomForOneJob = 64 * 1024;

}  // namespace

JobLog::JobLog(FileSystem& files, const WallClock& clock, std::string folder)
    : files_(files), clock_(clock), folder_(std::move(folder)) {}

void JobLog::Begin(const std::vector<std::string>& lines) {
    inJob_ = true;
    startMs_ = clock_.ElapsedMs();
    DropOldJobs();
    std::string text = std::string(JobLogHeader) + clock_.LocalDateTime() + ", version " + VersionNumber(VersionMajor, VersionMinor, VersionRevision) + "\r\n";
    for (const std::string& line : lines) {
        text += line + "\r\n";
    }
    Write(text);
}

void JobLog::Line(const std::string& text) {
    if (!inJob_) {
        return;
    }
    const std::int64_t tenths = (clock_.ElapsedMs() - startMs_) / 100;
    char stamp[32];
    std::snprintf(stamp, sizeof(stamp), "%7lld.%lld s  ", static_cast<long long>(tenths / 10),
                  static_cast<long long>(tenths % 10));
    Write(stamp + text + "\r\n");
}

void JobLog::End(const std::string& how) {
    Line("Job " + how + ".");
    Write("\r\n");
    inJob_ = false;
}

std::string JobLog::Path() const { return FileInFolder(folder_, JobLogFileName); }

// The log serves the user, never the job: whatever goes wrong with it is let go.
void JobLog::Write(const std::string& text) {
    if (folder_.empty()) {
        return;
    }
    try {
        if (!files_.FolderExists(folder_)) {
            files_.CreateFolder(folder_);
        }
        files_.AppendFile(Path(), text);
    } catch (const std::exception&) {
    }
}

void JobLog::DropOldJobs() {
    if (folder_.empty()) {
        return;
    }
    try {
        const std::optional<std::string> log = files_.ReadFile(Path());
        if (log && log->size() + RoomForOneJob > JobLogMaxBytes) {
            files_.WriteFile(Path(), WithoutOldestJobs(*log, JobLogMaxBytes - RoomForOneJob));
        }
    } catch (const std::exception&) {
    }
}

std::string WithoutOldestJobs(const std::string& log, std::size_t maxBytes) {
    const std::string nextJob = std::string("\r\n") + JobLogHeader;
    std::size_t start = 0;
    while (log.size() - start > maxBytes) {
        const std::size_t next = log.find(nextJob, start);
        if (next == std::string::npos) {
            break;
        }
        start = next + 2;
    }
    return log.substr(start);
}

}  // namespace velutreck
