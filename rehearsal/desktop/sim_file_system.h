// An in-memory file system with Windows paths: "\" separators, names compared without regard to
// case, folders that exist on their own. A file can be read-only or held open by a program (the
// image ImageDrive has mounted); either keeps DeleteFile from removing it, as on Windows. A folder
// can refuse new files, as one Windows protects does for a program without administrator rights;
// otherwise files are written anywhere, as by an elevated program. The known folders are those of a
// 64-bit Windows on "C:", the user "Owner". The current folder is "C:\\", and the ANSI code page
// is Latin-1. A file may begin with a run of zero bytes that is only counted, so that a CD image of
// eighty minutes' silence costs no memory.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/file_system.h"

namespace velutreck {

class SimFileSystem : public FileSystem {
public:
    // The drive root "C:\" exists from the start.
    SimFileSystem();

    bool FileExists(const std::string& path) const override;
    bool FolderExists(const std::string& path) const override;
    void DeleteFile(const std::string& path) override;
    std::optional<std::string> ReadFile(const std::string& path) const override;
    std::optional<std::uint64_t> FileSize(const std::string& path) const override;
    std::optional<std::string> ReadFileRange(const std::string& path, std::uint64_t offset,
                                             std::size_t length) const override;
    void WriteFile(const std::string& path, const std::string& contents) override;
    void AppendFile(const std::string& path, const std::string& text) override;
    // As WriteFile, of that many zero bytes followed by the tail; the zeros are not stored.
    void WriteFileAfterZeros(const std::string& path, std::uint64_t zeros, const std::string& tail);
    FolderListing ListFolder(const std::string& path) const override;
    std::string FullPath(const std::string& path) const override;
    std::string AnsiToUtf8(std::string_view text) const override;
    std::string KnownFolderPath(KnownFolder folder) const override;
    bool RunsElevated() const override { return elevated_; }
    std::optional<std::string> NormalSessionMapping(char driveLetter) const override;

    // Creates the folder and every missing folder above it; a drive root creates the drive.
    void CreateFolder(const std::string& path) override;
    // Set-up for tests: writes the file, creating its folders first.
    void AddFile(const std::string& path, const std::string& contents);
    void SetReadOnly(const std::string& path, bool readOnly);
    void SetInUse(const std::string& path, bool inUse);
    // A delete of this file reports success and leaves it where it is, as some virus scanners and
    // synchronised folders make it seem.
    void SetDeleteIgnored(const std::string& path, bool ignored);
    bool InUse(const std::string& path) const;
    // No file can be written directly in this folder ("access is denied").
    void SetWritesRefused(const std::string& folder, bool refused);
    void SetKnownFolder(KnownFolder folder, const std::string& path);
    // The playing time a media reader finds in the file; none for a file it cannot read.
    void SetPlayingTime(const std::string& path, std::chrono::milliseconds time);
    std::optional<std::chrono::milliseconds> PlayingTime(const std::string& path) const;
    // Every file's path as it was first written, in path order.
    std::vector<std::string> FilePaths() const;
    // Called with the path of each question asked of the disk (a file's or folder's existence, a
    // listing, a read), so that a test can make a drive slow, as a share over a slow link is.
    void SetAccessHook(std::function<void(const std::string& path)> hook) { onAccess_ = std::move(hook); }
    // The user mapped the drive to a network share in the normal session. An elevated process does
    // not see the drive (its files and folders do not exist for it) unless linked connections are
    // set, which lets it see the normal session's letters.
    void MapForNormalSession(char driveLetter, const std::string& share);
    void SetElevated(bool elevated) { elevated_ = elevated; }
    void SetLinkedConnections(bool linked) { linkedConnections_ = linked; }

private:
    struct File {
        std::string path;
        std::uint64_t leadingZeros = 0;
        std::string contents;  // what follows the leading zeros
        bool readOnly = false;
        bool inUse = false;
        bool deleteIgnored = false;
        std::optional<std::chrono::milliseconds> playingTime;
    };

    File& ExistingFile(const std::string& path, const std::string& doing);
    void Accessed(const std::string& path) const;
    // The path's key, or empty on a drive this process does not see.
    std::string SeenKey(const std::string& path) const;

    std::map<std::string, File> files_;   // by folded path
    std::map<std::string, std::string> folders_;  // paths as first created, by folded path; roots with their backslash
    std::set<std::string> writesRefused_;         // folded folder paths
    std::map<KnownFolder, std::string> knownFolders_;
    std::function<void(const std::string&)> onAccess_;
    std::map<char, std::string> normalSessionMappings_;  // shares by upper-case drive letter
    bool elevated_ = false;
    bool linkedConnections_ = false;
};

// The comparison key of a path: ASCII letters folded to lower case, no trailing backslash except
// at a drive root ("c:\"). Empty for a path that does not begin with a drive ("X:").
std::string PathKey(const std::string& path);
// The key of the folder that holds the path, or empty at a drive root.
std::string ParentKey(const std::string& key);

}  // namespace velutreck
