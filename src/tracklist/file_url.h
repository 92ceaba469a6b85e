// "file:" addresses, as media players write them into playlists (file:///C:/Music/A%20B.mp3) and
// browsers hand them over: the local file or share they name. The rule is Windows' own for such
// addresses, kept here so that it is the same everywhere, with one difference: the escapes
// ("%C3%A9") are UTF-8 as the players write them, where PathCreateFromUrlW takes each byte as a
// character of its own.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/file_system.h"

namespace velutreck {

// The path a "file:" address names, with "\" separators and not yet made full:
// - file:///C:/x, file:/C:/x, file:C:/x and file://localhost/C:/x name C:\x ("C|" counts as "C:");
// - file://server/share/x and file:////server/share/x name \\server\share\x;
// - file:///x names \x, from the root of the current drive.
// A run of escapes that is not valid UTF-8 is read in the ANSI code page, like the text of an old
// playlist; the literal text around it stays as written.
// Nothing for any other address, and for one that names no path or holds an escaped NUL.
std::optional<std::string> FileUrlPath(std::string_view url, const FileSystem& files);

}  // namespace velutreck
