// The record of everything Velutreck asked of the simulated desktop, with virtual times, plus the
// notes of the stand-ins. Driver and engine tests assert on these lines, so their wording is
// fixed; the dump is for whoever debugs a job.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace velutreck {

struct TranscriptEntry {
    std::int64_t timeMs = 0;
    std::string text;

    friend bool operator==(const TranscriptEntry&, const TranscriptEntry&) = default;
};

class SimTranscript {
public:
    void Add(std::int64_t timeMs, std::string text);

    const std::vector<TranscriptEntry>& Entries() const { return entries_; }
    std::vector<std::string> Texts() const;

    // A mark is a position: the entries added after it are taken with Since.
    std::size_t Mark() const { return entries_.size(); }
    std::vector<TranscriptEntry> Since(std::size_t mark) const;
    std::vector<std::string> TextsSince(std::size_t mark) const;

    // One line per entry, the time in seconds first: "[  12.500] Pause(500)".
    std::string Dump() const;

private:
    std::vector<TranscriptEntry> entries_;
};

}  // namespace velutreck
