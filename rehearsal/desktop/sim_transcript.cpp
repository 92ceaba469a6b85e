#include "rehearsal/desktop/sim_transcript.h"

#include <cstdio>

namespace velutreck {

void SimTranscript::Add(std::int64_t timeMs, std::string text) { entries_.push_back({timeMs, std::move(text)}); }

std::vector<std::string> SimTranscript::Texts() const { return TextsSince(0); }

std::vector<TranscriptEntry> SimTranscript::Since(std::size_t mark) const {
    if (mark >= entries_.size()) {
        return {};
    }
    return {entries_.begin() + static_cast<std::ptrdiff_t>(mark), entries_.end()};
}

std::vector<std::string> SimTranscript::TextsSince(std::size_t mark) const {
    std::vector<std::string> texts;
    for (const TranscriptEntry& entry : Since(mark)) {
        texts.push_back(entry.text);
    }
    return texts;
}

std::string SimTranscript::Dump() const {
    std::string dump;
    for (const TranscriptEntry& entry : entries_) {
        char time[32];
        std::snprintf(time, sizeof time, "[%8lld.%03lld] ", static_cast<long long>(entry.timeMs / 1000),
                      static_cast<long long>(entry.timeMs % 1000));
        dump += time + entry.text + '\n';
    }
    return dump;
}

}  // namespace velutreck
