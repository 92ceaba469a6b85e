#include "rehearsal/standins/cd_image.h"

#include <sstream>

namespace velutreck {

namespace {

const std::string FirstLine = "Velutreck stand-in CD image";

}  // namespace

std::string CdImageText(const std::vector<std::string>& sources) {
    std::string text = FirstLine + '\n';
    for (const std::string& source : sources) {
        text += source + '\n';
    }
    return text;
}

std::vector<std::string> CdImageTracks(const std::string& contents) {
    std::istringstream lines(contents);
    std::string line;
    if (!std::getline(lines, line) || line != FirstLine) {
        return {};
    }
    std::vector<std::string> tracks;
    while (std::getline(lines, line)) {
        if (!line.empty()) {
            tracks.push_back(line);
        }
    }
    return tracks;
}

}  // namespace velutreck
