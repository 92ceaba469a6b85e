#include "tracklist/media_fit.h"

namespace velutreck {

MediaFit FitToMedia(const std::vector<std::vector<std::string>>& groups, const MediaLengths& lengths, DiscChoice disc) {
    MediaFit fit;
    for (std::size_t index = 0; index < groups.size(); ++index) {
        PlayingTime time = PlayingTimeOf(groups[index], lengths);
        time.known = std::chrono::round<std::chrono::seconds>(time.known);
        if (time.files > CdTracksMax) {
            fit.exceeded.push_back({MediaLimit::CdTracks, index});
        }
        if (time.known > CdImageMax) {
            fit.exceeded.push_back({MediaLimit::CdImageMax, index});
        } else if (time.known > CdImageNormal) {
            fit.exceeded.push_back({MediaLimit::CdImageNormal, index});
        }
        fit.total.known += time.known;
        fit.total.files += time.files;
        fit.total.reading += time.reading;
        fit.total.unknown += time.unknown;
        fit.groups.push_back(time);
    }
    if (fit.total.files > MiniDiscTracksMax) {
        fit.exceeded.push_back({MediaLimit::MiniDiscTracks});
    }
    if (fit.total.known > MiniDiscCapacity(disc)) {
        fit.exceeded.push_back({MediaLimit::DiscFull});
    }
    return fit;
}

}  // namespace velutreck
