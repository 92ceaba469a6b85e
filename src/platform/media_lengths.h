// The playing time of audio files. Reading a length can take a while (a decoder opens the file),
// so it happens away from the window: a length asked for is first being read, then known or
// unknown. A file whose length cannot be read has an unknown length, and nothing fails because
// of it. Whoever reads them tells the window when lengths have arrived.
#pragma once

#include <chrono>
#include <string>
#include <vector>

namespace velutreck {

struct MediaLength {
    enum class State { Reading, Known, Unknown };
    State state = State::Unknown;
    std::chrono::milliseconds time{0};  // only when Known
};

class MediaLengths {
public:
    MediaLengths() = default;
    MediaLengths(const MediaLengths&) = delete;
    MediaLengths& operator=(const MediaLengths&) = delete;
    virtual ~MediaLengths() = default;

    // Starts reading the lengths of these files, unless they are known for the file as it is now;
    // returns at once.
    virtual void Read(const std::vector<std::string>& paths) = 0;
    // What is known of the file's length now; Unknown for a file that was never given to Read.
    virtual MediaLength Length(const std::string& path) const = 0;
    // Returns once none of these files' lengths is still being read, or when the limit has passed.
    virtual void WaitFor(const std::vector<std::string>& paths, std::chrono::milliseconds limit) = 0;
};

}  // namespace velutreck
