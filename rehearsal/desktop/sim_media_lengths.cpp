#include "rehearsal/desktop/sim_media_lengths.h"

#include <algorithm>

namespace velutreck {

void SimMediaLengths::Read(const std::vector<std::string>& paths) {
    for (const std::string& path : paths) {
        const std::string key = PathKey(path);
        Entry& entry = entries_[key];
        // The simulated files do not change once written: a length is read once.
        if (entry.reads > 0 || entry.length.state == MediaLength::State::Reading) {
            continue;
        }
        entry.length = {MediaLength::State::Reading, {}};
        const auto found = readTimes_.find(key);
        const std::chrono::milliseconds readTime = found == readTimes_.end() ? DefaultReadTime : found->second;
        clock_.Schedule(clock_.Now() + readTime.count(), [this, key, path] {
            Entry& read = entries_[key];
            const auto time = files_.FileExists(path) ? files_.PlayingTime(path) : std::nullopt;
            read.length = time ? MediaLength{MediaLength::State::Known, *time} : MediaLength{};
            ++read.reads;
            if (notice_) {
                notice_();
            }
        });
    }
}

MediaLength SimMediaLengths::Length(const std::string& path) const {
    const auto found = entries_.find(PathKey(path));
    return found == entries_.end() ? MediaLength{} : found->second.length;
}

void SimMediaLengths::WaitFor(const std::vector<std::string>& paths, std::chrono::milliseconds limit) {
    constexpr std::int64_t StepMs = 10;
    const std::int64_t deadline = clock_.Now() + limit.count();
    while (AnyReading(paths) && clock_.Now() < deadline) {
        clock_.AdvanceTo(std::min(deadline, clock_.Now() + StepMs));
    }
}

int SimMediaLengths::Reads(const std::string& path) const {
    const auto found = entries_.find(PathKey(path));
    return found == entries_.end() ? 0 : found->second.reads;
}

bool SimMediaLengths::AnyReading(const std::vector<std::string>& paths) const {
    return std::any_of(paths.begin(), paths.end(),
                       [this](const std::string& path) { return Length(path).state == MediaLength::State::Reading; });
}

}  // namespace velutreck
