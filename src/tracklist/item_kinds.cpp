#include "tracklist/item_kinds.h"

#include <algorithm>
#include <cctype>
#include <string>

#include "tracklist/add_files.h"

namespace velutreck {

namespace {

std::string LowerExtension(std::string_view path) {
    const std::size_t dot = path.rfind('.');
    if (dot == std::string_view::npos || path.find('\\', dot) != std::string_view::npos) {
        return {};
    }
    std::string extension(path.substr(dot));
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension;
}

// The audio filter's patterns, "*.mp3;*.cda;...", so that a drop takes what Add files shows.
std::string_view AudioPatterns() {
    const std::size_t start = AudioFilesFilter.find('|') + 1;
    return AudioFilesFilter.substr(start, AudioFilesFilter.find('|', start) - start);
}

}  // namespace

bool IsAudioFile(std::string_view path) {
    const std::string extension = LowerExtension(path);
    if (extension.empty()) {
        return false;
    }
    const std::string patterns = std::string(AudioPatterns()) + ";";
    return patterns.find("*" + extension + ";") != std::string::npos;
}

bool IsPlaylist(std::string_view path) {
    const std::string extension = LowerExtension(path);
    return extension == ".m3u" || extension == ".m3u8";
}

bool IsUtf8Playlist(std::string_view path) { return LowerExtension(path) == ".m3u8"; }

bool IsUrl(std::string_view item) {
    const std::size_t colon = item.find(':');
    if (colon == std::string_view::npos || colon < 2 || !std::isalpha(static_cast<unsigned char>(item[0]))) {
        return false;
    }
    return std::all_of(item.begin(), item.begin() + static_cast<std::ptrdiff_t>(colon), [](unsigned char c) {
        return std::isalnum(c) || c == '+' || c == '-' || c == '.';
    });
}

}  // namespace velutreck
