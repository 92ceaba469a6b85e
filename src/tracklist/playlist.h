// .m3u and .m3u8 playlists: one entry a line, in play order. Lines that start with "#", after any
// blanks (the extended format's comments and titles, which some players indent), and blank lines
// are no entries. A NUL ends the text of its line.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"

namespace velutreck {

// The entries as written, as UTF-8. A byte-order mark decides: UTF-8, or UTF-16 either way round
// (some programs save playlists so). Without one, a UTF-8-only playlist is UTF-8; other text is
// UTF-8 when it is valid UTF-8, and else the ANSI code page.
std::vector<std::string> PlaylistEntries(std::string_view contents, bool utf8Only, const FileSystem& files);

// Where an entry points: a full path or a share as it is, a path from the root on the playlist's
// drive, anything else from the playlist's folder. "/" counts as "\". Not yet normalised.
std::string EntryPath(const std::string& playlistFolder, const std::string& entry);

}  // namespace velutreck
