// The job log, Velutreck.log in a folder of the user's own: what each job was given, every state
// it entered, every driver operation with what it was handed and how it ended (a failure that the
// job ignored, and why), and how the job ended. It answers the question a job that waits for ever
// leaves: which step did not happen. The newest jobs are kept within about a megabyte; the oldest
// go whole. A log that cannot be written never disturbs the job.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/file_system.h"
#include "platform/wall_clock.h"

namespace velutreck {

inline constexpr const char* JobLogFileName = "Velutreck.log";
// Every job's record starts with a line that begins so.
inline constexpr const char* JobLogHeader = "=== Velutreck job, ";
inline constexpr std::size_t JobLogMaxBytes = 1024 * 1024;

class JobLog {
public:
    // folder: where the log lives; it is made when needed. An empty folder keeps no log.
    JobLog(FileSystem& files, const WallClock& clock, std::string folder);

    // Starts a job's record: the header with the date, the time and the version, then the given
    // lines (the settings and the list). Older jobs are dropped first so that the log stays small.
    void Begin(const std::vector<std::string>& lines);
    // A line stamped with the seconds since Begin.
    void Line(const std::string& text);
    // The last line of the job's record; nothing more is written until the next Begin.
    void End(const std::string& how);
    bool InJob() const { return inJob_; }

private:
    std::string Path() const;
    void Write(const std::string& text);
    void DropOldJobs();

    FileSystem& files_;
    const WallClock& clock_;
    std::string folder_;
    std::int64_t startMs_ = 0;
    bool inJob_ = false;
};

// Whole jobs from the front go until the text fits in the given size with room for one more job;
// the newest job always stays.
std::string WithoutOldestJobs(const std::string& log, std::size_t maxBytes);

}  // namespace velutreck
