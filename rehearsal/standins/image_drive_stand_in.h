// Nero ImageDrive as started from its command line: it mounts the image named there in its
// virtual drive, replacing what was mounted, presents the image's tracks as the ".cda" files of an
// audio CD in the drive's root, and ends. It shows no window.
#pragma once

#include "rehearsal/standins/stand_in.h"
#include "rehearsal/standins/stand_in_options.h"

namespace velutreck {

class ImageDriveStandIn : public StandIn {
public:
    explicit ImageDriveStandIn(const StandInOptions& options) : options_(options) {}

    void Start(StandInHost& host, const std::string& arguments) override;
    void OnKey(WindowHandle, const KeyStroke&) override {}
    void OnMessage(WindowHandle, std::uint32_t, std::uint32_t, std::uint32_t) override {}

private:
    StandInOptions options_;
};

// The image path of the command line: apostrophes around it are taken off.
std::string ImageDriveImagePath(const std::string& arguments);

}  // namespace velutreck
