// The playing time of audio files. Reading a length can take a while (a decoder opens the file),
// so it happens away from the window: a length asked for is first being read, then known or
// unknown. A file whose length cannot be read has an unknown length, and nothing fails because
// of it; nor does a file the decoder takes too long over, which is given up. Whoever reads them
// tells the window when lengths have arrived.
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

// A decoder that has not given a file's length after this long is given up on that file, whose
// length is then unknown until the file changes; the other files do not wait for it.
inline constexpr std::chrono::seconds GiveUpReadingAfter{4};

class MediaLengths {
public:
    MediaLengths() = default;
    MediaLengths(const MediaLengths&) = delete;
    MediaLengths& operator=(const MediaLengths&) = delete;
    virtual ~MediaLengths() = default;

    // Starts reading the lengths of these files, unless each is known, or was given up, for the
    // file as it is now (its size and time of last change); returns at once. A file read before
    // keeps its length meanwhile.
    virtual void Read(const std::vector<std::string>& paths) = 0;
    // What is known of the file's length now; Unknown for a file that was never given to Read.
    virtual MediaLength Length(const std::string& path) const = 0;
    // Returns once none of these files' lengths is still being read, or when the limit has passed;
    // the window answers what other programs send it meanwhile.
    virtual void WaitFor(const std::vector<std::string>& paths, std::chrono::milliseconds limit) = 0;
};

}  // namespace velutreck
