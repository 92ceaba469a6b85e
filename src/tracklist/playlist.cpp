#include "tracklist/playlist.h"

#include <algorithm>

#include "base/file_in_folder.h"
#include "base/utf8.h"

namespace velutreck {

namespace {

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view Utf16LittleEndianMark = "\xFF\xFE";
constexpr std::string_view Utf16BigEndianMark = "\xFE\xFF";

std::string Utf8Text(std::string_view contents, bool utf8Only, const FileSystem& files) {
    if (contents.starts_with(ByteOrderMark)) {
        return std::string(contents.substr(ByteOrderMark.size()));
    }
    if (contents.starts_with(Utf16LittleEndianMark)) {
        return Utf16ToUtf8(contents.substr(Utf16LittleEndianMark.size()), false);
    }
    if (contents.starts_with(Utf16BigEndianMark)) {
        return Utf16ToUtf8(contents.substr(Utf16BigEndianMark.size()), true);
    }
    if (utf8Only || IsValidUtf8(contents)) {
        return std::string(contents);
    }
    return files.AnsiToUtf8(contents);
}

std::string_view Trimmed(std::string_view line) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!line.empty() && blank(line.front())) {
        line.remove_prefix(1);
    }
    while (!line.empty() && blank(line.back())) {
        line.remove_suffix(1);
    }
    return line;
}

}  // namespace

std::vector<std::string> PlaylistEntries(std::string_view contents, bool utf8Only, const FileSystem& files) {
    const std::string text = Utf8Text(contents, utf8Only, files);
    std::vector<std::string> entries;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = std::min(text.find_first_of("\r\n", start), text.size());
        // Windows reads a name up to its first NUL; a line that has nothing before it names nothing.
        const std::string_view whole = std::string_view(text).substr(start, end - start);
        const std::string_view line = Trimmed(whole.substr(0, whole.find('\0')));
        if (!line.empty() && !line.starts_with('#')) {
            entries.emplace_back(line);
        }
        start = end + 1;
    }
    return entries;
}

std::string EntryPath(const std::string& playlistFolder, const std::string& entry) {
    std::string path = entry;
    std::replace(path.begin(), path.end(), '/', '\\');
    const bool hasDrive = path.size() >= 2 && path[1] == ':';
    if (hasDrive || path.starts_with("\\\\")) {
        return path;
    }
    if (path.starts_with('\\')) {
        return playlistFolder.substr(0, 2) + path;
    }
    return FileInFolder(playlistFolder, path);
}

}  // namespace velutreck
