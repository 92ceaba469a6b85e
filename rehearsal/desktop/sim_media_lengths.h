// Media lengths on the simulated desktop: each file's playing time as the simulated file system
// holds it, arriving a while after it is asked for in virtual time (a file can be made slow to
// read, so that lengths arrive out of order, or too slow, so that it is given up). A file that has
// gone, or has no playing time, has an unknown length. As on Windows, each file asked for is looked
// at (its size and time of last change, here its contents and playing time) and read again only
// when it changed or its length is still unknown.
#pragma once

#include <chrono>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/media_lengths.h"
#include "rehearsal/desktop/sim_clock.h"
#include "rehearsal/desktop/sim_file_system.h"
#include "rehearsal/desktop/sim_window_thread.h"

namespace velutreck {

class SimMediaLengths : public MediaLengths {
public:
    static constexpr std::chrono::milliseconds DefaultReadTime{200};

    SimMediaLengths(const SimFileSystem& files, SimClock& clock, SimWindowThread& windowThread)
        : files_(files), clock_(clock), windowThread_(windowThread) {}

    void Read(const std::vector<std::string>& paths) override;
    MediaLength Length(const std::string& path) const override;
    void WaitFor(const std::vector<std::string>& paths, std::chrono::milliseconds limit) override;

    // Called as each length arrives, as the window hears of it.
    void SetArrivalNotice(std::function<void()> notice) { notice_ = std::move(notice); }
    void SetReadTime(const std::string& path, std::chrono::milliseconds time) { readTimes_[PathKey(path)] = time; }
    // How many times a file's length was read by the decoder: a known length is read once.
    int Reads(const std::string& path) const;
    // How many times anything about the file was asked of the file system, reads included.
    int Looks(const std::string& path) const;

private:
    struct Stamp {
        std::string contents;
        std::optional<std::chrono::milliseconds> playingTime;
        bool operator==(const Stamp&) const = default;
    };
    struct Entry {
        MediaLength length;
        std::optional<Stamp> stamp;  // of the file as last read; none for a missing file
        bool givenUp = false;
        bool pending = false;
        int reads = 0;
        int looks = 0;
    };

    std::optional<Stamp> StampOf(const std::string& path) const;
    void Arrive(const std::string& key, const std::string& path, bool givenUp);
    bool AnyPending(const std::vector<std::string>& paths) const;

    const SimFileSystem& files_;
    SimClock& clock_;
    SimWindowThread& windowThread_;
    std::function<void()> notice_;
    std::map<std::string, Entry> entries_;  // by path key
    std::map<std::string, std::chrono::milliseconds> readTimes_;
};

}  // namespace velutreck
