#include "tracklist/file_url.h"

#include <algorithm>
#include <cctype>

#include "base/utf8.h"

namespace velutreck {

namespace {

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() &&
           std::equal(prefix.begin(), prefix.end(), text.begin(), [](unsigned char a, unsigned char b) {
               return std::tolower(a) == std::tolower(b);
           });
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    const int lower = std::tolower(static_cast<unsigned char>(c));
    return lower >= 'a' && lower <= 'f' ? lower - 'a' + 10 : -1;
}

bool IsEscape(std::string_view text, std::size_t at) {
    return text[at] == '%' && at + 2 < text.size() && HexValue(text[at + 1]) >= 0 && HexValue(text[at + 2]) >= 0;
}

// A "%" that is not followed by two hexadecimal digits is a character of the name ("100%.mp3").
// Each run of escapes is one piece of text of its own: UTF-8 where it is valid, the ANSI code page
// otherwise, so that a player's ANSI escapes do not garble the literal letters around them.
std::string PercentDecoded(std::string_view text, const FileSystem& files) {
    std::string decoded;
    for (std::size_t i = 0; i < text.size();) {
        if (!IsEscape(text, i)) {
            decoded.push_back(text[i++]);
            continue;
        }
        std::string run;
        for (; i < text.size() && IsEscape(text, i); i += 3) {
            run.push_back(static_cast<char>(HexValue(text[i + 1]) * 16 + HexValue(text[i + 2])));
        }
        decoded += IsValidUtf8(run) ? run : files.AnsiToUtf8(run);
    }
    return decoded;
}

bool StartsWithDrive(std::string_view path) {
    return path.size() >= 2 && std::isalpha(static_cast<unsigned char>(path[0])) && (path[1] == ':' || path[1] == '|') &&
           (path.size() == 2 || path[2] == '/');
}

std::string WindowsPath(std::string_view path) {
    std::string windows(path);
    std::replace(windows.begin(), windows.end(), '/', '\\');
    return windows;
}

std::optional<std::string> PathOf(std::string_view rest) {
    const std::size_t slashes = rest.find_first_not_of('/');
    if (slashes == std::string_view::npos) {
        return std::nullopt;
    }
    std::string_view path = rest.substr(slashes);
    if (slashes == 2 && !StartsWithDrive(path)) {  // a server, or this computer as "localhost"
        const std::size_t hostEnd = path.find('/');
        if (hostEnd == std::string_view::npos || hostEnd + 1 == path.size()) {
            return std::nullopt;
        }
        constexpr std::string_view ThisComputer = "localhost";
        if (hostEnd != ThisComputer.size() || !StartsWithNoCase(path, ThisComputer)) {
            return "\\\\" + WindowsPath(path);
        }
        path = path.substr(hostEnd + 1);
    }
    if (StartsWithDrive(path)) {
        std::string drive = WindowsPath(path);
        drive[1] = ':';
        return drive;
    }
    if (slashes == 0 || path.empty()) {
        return std::nullopt;
    }
    return (slashes >= 4 ? "\\\\" : "\\") + WindowsPath(path);
}

}  // namespace

std::optional<std::string> FileUrlPath(std::string_view url, const FileSystem& files) {
    constexpr std::string_view Scheme = "file:";
    if (!StartsWithNoCase(url, Scheme)) {
        return std::nullopt;
    }
    std::string rest = PercentDecoded(url.substr(Scheme.size()), files);
    if (rest.find('\0') != std::string::npos) {
        return std::nullopt;
    }
    std::replace(rest.begin(), rest.end(), '\\', '/');
    return PathOf(rest);
}

}  // namespace velutreck
