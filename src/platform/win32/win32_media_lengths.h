// Media lengths on real Windows: read on a worker thread of their own, so that the window never
// waits for a decoder. A CD track's ".cda" file holds its length itself, WAV and AIFF files state
// theirs in their headers; every other file is read by Media Foundation, which is loaded only when
// the first such length is needed, so that starting Velutreck costs nothing more. A length is kept
// for the file's path, size and time of last change, and read again when one of them differs or
// the length is unknown; a read that takes too long is given up until the file changes.
#pragma once

#include <memory>

#include "platform/media_lengths.h"
#include "platform/win32/windows_api.h"

namespace velutreck {

class Win32MediaLengths : public MediaLengths {
public:
    Win32MediaLengths();
    ~Win32MediaLengths() override;

    // After lengths have changed the message is posted to the window, once until the window
    // calls Read again.
    void NotifyWindow(HWND window, UINT message);

    void Read(const std::vector<std::string>& paths) override;
    MediaLength Length(const std::string& path) const override;
    void WaitFor(const std::vector<std::string>& paths, std::chrono::milliseconds limit) override;

private:
    struct Worker;
    std::unique_ptr<Worker> worker_;
};

}  // namespace velutreck
