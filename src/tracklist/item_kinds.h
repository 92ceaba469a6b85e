// What a dropped or named item is by its name: an audio file (one the Add dialog's audio filter
// shows), a playlist, or a web address, which the program cannot add unless it is a "file:" one.
#pragma once

#include <string_view>

namespace velutreck {

bool IsAudioFile(std::string_view path);
bool IsPlaylist(std::string_view path);
// .m3u8 is always UTF-8; .m3u may be either UTF-8 or the ANSI code page.
bool IsUtf8Playlist(std::string_view path);
// A scheme of two or more characters and a colon ("http:", "mms:"); "C:" is a drive.
bool IsUrl(std::string_view item);

}  // namespace velutreck
