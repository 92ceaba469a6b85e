#include "rehearsal/standins/image_tracks.h"

#include "rehearsal/desktop/sim_file_system.h"
#include "rehearsal/standins/cd_image.h"

namespace velutreck {

std::vector<std::chrono::milliseconds> ImageTrackLengths(const FileSystem& files, const std::string& image) {
    std::vector<std::chrono::milliseconds> tracks;
    const auto* simulated = dynamic_cast<const SimFileSystem*>(&files);
    const std::optional<std::string> contents = files.ReadFile(image);
    for (const std::string& source : contents ? CdImageTracks(*contents) : std::vector<std::string>{}) {
        const auto time = simulated ? simulated->PlayingTime(source) : std::nullopt;
        tracks.push_back(time.value_or(std::chrono::milliseconds(0)));
    }
    return tracks;
}

}  // namespace velutreck
