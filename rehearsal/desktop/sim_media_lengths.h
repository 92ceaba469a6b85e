// Media lengths on the simulated desktop: each file's playing time as the simulated file system
// holds it, arriving a while after it is asked for in virtual time (a file can be made slow to
// read, so that lengths arrive out of order). A file that has gone, or has no playing time, has
// an unknown length.
#pragma once

#include <chrono>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/media_lengths.h"
#include "rehearsal/desktop/sim_clock.h"
#include "rehearsal/desktop/sim_file_system.h"

namespace velutreck {

class SimMediaLengths : public MediaLengths {
public:
    static constexpr std::chrono::milliseconds DefaultReadTime{200};

    SimMediaLengths(const SimFileSystem& files, SimClock& clock) : files_(files), clock_(clock) {}

    void Read(const std::vector<std::string>& paths) override;
    MediaLength Length(const std::string& path) const override;
    void WaitFor(const std::vector<std::string>& paths, std::chrono::milliseconds limit) override;

    // Called as each length arrives, as the window hears of it.
    void SetArrivalNotice(std::function<void()> notice) { notice_ = std::move(notice); }
    void SetReadTime(const std::string& path, std::chrono::milliseconds time) { readTimes_[PathKey(path)] = time; }
    // How many times a file's length was read: a cached length is read once.
    int Reads(const std::string& path) const;

private:
    struct Entry {
        MediaLength length;
        int reads = 0;
    };

    bool AnyReading(const std::vector<std::string>& paths) const;

    const SimFileSystem& files_;
    SimClock& clock_;
    std::function<void()> notice_;
    std::map<std::string, Entry> entries_;  // by path key
    std::map<std::string, std::chrono::milliseconds> readTimes_;
};

}  // namespace velutreck
