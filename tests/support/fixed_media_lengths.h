// Media lengths as a test states them: each file's length known, unknown or still being read,
// the same from the first question on.
#pragma once

#include <chrono>
#include <map>
#include <string>
#include <vector>

#include "platform/media_lengths.h"

namespace velutreck {

class FixedMediaLengths : public MediaLengths {
public:
    void Known(const std::string& path, std::chrono::milliseconds time) {
        lengths_[path] = {MediaLength::State::Known, time};
    }
    void Reading(const std::string& path) { lengths_[path] = {MediaLength::State::Reading, {}}; }

    void Read(const std::vector<std::string>&) override {}
    MediaLength Length(const std::string& path) const override {
        const auto found = lengths_.find(path);
        return found == lengths_.end() ? MediaLength{} : found->second;
    }
    void WaitFor(const std::vector<std::string>&, std::chrono::milliseconds) override {}

private:
    std::map<std::string, MediaLength> lengths_;
};

}  // namespace velutreck
