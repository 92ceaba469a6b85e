#include "rehearsal/desktop/sim_media_lengths.h"

#include <algorithm>

namespace velutreck {

void SimMediaLengths::Read(const std::vector<std::string>& paths) {
    for (const std::string& path : paths) {
        const std::string key = PathKey(path);
        Entry& entry = entries_[key];
        if (entry.pending) {
            continue;
        }
        ++entry.looks;
        const bool settled = entry.length.state == MediaLength::State::Known || entry.givenUp;
        if (entry.reads > 0 && settled && StampOf(path) == entry.stamp) {
            continue;
        }
        entry.pending = true;
        if (entry.reads == 0) {
            entry.length = {MediaLength::State::Reading, {}};
        }
        const auto found = readTimes_.find(key);
        const std::chrono::milliseconds readTime = found == readTimes_.end() ? DefaultReadTime : found->second;
        const bool givenUp = readTime >= GiveUpReadingAfter;
        const std::chrono::milliseconds after = givenUp ? GiveUpReadingAfter : readTime;
        clock_.Schedule(clock_.Now() + after.count(), [this, key, path, givenUp] { Arrive(key, path, givenUp); });
    }
}

void SimMediaLengths::Arrive(const std::string& key, const std::string& path, bool givenUp) {
    Entry& read = entries_[key];
    ++read.looks;
    read.stamp = StampOf(path);
    const auto time = read.stamp && !givenUp ? read.stamp->playingTime : std::nullopt;
    read.length = time ? MediaLength{MediaLength::State::Known, *time} : MediaLength{};
    read.givenUp = givenUp;
    read.pending = false;
    ++read.reads;
    if (notice_) {
        notice_();
    }
}

MediaLength SimMediaLengths::Length(const std::string& path) const {
    const auto found = entries_.find(PathKey(path));
    return found == entries_.end() ? MediaLength{} : found->second.length;
}

void SimMediaLengths::WaitFor(const std::vector<std::string>& paths, std::chrono::milliseconds limit) {
    const SimWindowThread::Answering answering(windowThread_);
    constexpr std::int64_t StepMs = 10;
    const std::int64_t deadline = clock_.Now() + limit.count();
    while (AnyPending(paths) && clock_.Now() < deadline) {
        clock_.AdvanceTo(std::min(deadline, clock_.Now() + StepMs));
    }
}

int SimMediaLengths::Reads(const std::string& path) const {
    const auto found = entries_.find(PathKey(path));
    return found == entries_.end() ? 0 : found->second.reads;
}

int SimMediaLengths::Looks(const std::string& path) const {
    const auto found = entries_.find(PathKey(path));
    return found == entries_.end() ? 0 : found->second.looks;
}

std::optional<SimMediaLengths::Stamp> SimMediaLengths::StampOf(const std::string& path) const {
    const std::optional<std::string> contents = files_.FileExists(path) ? files_.ReadFile(path) : std::nullopt;
    if (!contents) {
        return std::nullopt;
    }
    return Stamp{*contents, files_.PlayingTime(path)};
}

bool SimMediaLengths::AnyPending(const std::vector<std::string>& paths) const {
    return std::any_of(paths.begin(), paths.end(), [this](const std::string& path) {
        const auto found = entries_.find(PathKey(path));
        return found != entries_.end() && found->second.pending;
    });
}

}  // namespace velutreck
