// The file system with Windows paths, as run control and the stand-ins need it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velutreck {

// The names (not paths) of what a folder holds, in no particular order.
struct FolderListing {
    std::vector<std::string> files;
    std::vector<std::string> folders;
};

// Folders Windows names for itself and for the user.
enum class KnownFolder { ProgramFiles, ProgramFilesX86, SendTo, LocalAppData };

class FileSystem {
public:
    FileSystem() = default;
    FileSystem(const FileSystem&) = delete;
    FileSystem& operator=(const FileSystem&) = delete;
    virtual ~FileSystem() = default;

    virtual bool FileExists(const std::string& path) const = 0;
    virtual bool FolderExists(const std::string& path) const = 0;
    // Not forced: a read-only or open file stays. Throws a FileSystem failure when it stays.
    virtual void DeleteFile(const std::string& path) = 0;
    virtual std::optional<std::string> ReadFile(const std::string& path) const = 0;
    // The file's size in bytes; none when there is no such file or it cannot be opened.
    virtual std::optional<std::uint64_t> FileSize(const std::string& path) const = 0;
    // Exactly the length bytes from the offset on, without reading the rest of the file; none when
    // the file cannot be read or ends before the range does.
    virtual std::optional<std::string> ReadFileRange(const std::string& path, std::uint64_t offset,
                                                     std::size_t length) const = 0;
    // Creates or replaces the file; throws a FileSystem failure when it cannot be written.
    virtual void WriteFile(const std::string& path, const std::string& contents) = 0;
    // Adds the text at the end of the file, which is made when there is none; throws a FileSystem
    // failure when it cannot be written.
    virtual void AppendFile(const std::string& path, const std::string& text) = 0;
    // Creates the folder and every missing folder above it; throws a FileSystem failure when it cannot.
    virtual void CreateFolder(const std::string& path) = 0;
    // Empty for a folder that does not exist.
    virtual FolderListing ListFolder(const std::string& path) const = 0;
    // The path made absolute against the current folder, "/" read as "\\", without "." or ".." parts.
    virtual std::string FullPath(const std::string& path) const = 0;
    // The folder's path without a trailing backslash; empty when the system does not say where it is.
    virtual std::string KnownFolderPath(KnownFolder folder) const = 0;
    // Text in the system's ANSI code page (an old playlist, say), as UTF-8.
    virtual std::string AnsiToUtf8(std::string_view text) const = 0;
    // Whether this process runs as administrator (elevated). Windows keeps the drive letters mapped
    // in the user's normal session out of its sight, unless linked connections are set.
    virtual bool RunsElevated() const = 0;
    // The network share ("\\nas\music") that the user mapped the drive letter ('Z') to for the
    // normal session, restored at each sign-in; none when the letter has no such mapping.
    virtual std::optional<std::string> NormalSessionMapping(char driveLetter) const = 0;
};

}  // namespace velutreck
