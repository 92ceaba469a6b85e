// The file system on real Windows, with UTF-8 paths widened for the W functions so that names
// outside the ANSI code page work.
#pragma once

#include "platform/file_system.h"

namespace velutreck {

class Win32FileSystem : public FileSystem {
public:
    bool FileExists(const std::string& path) const override;
    bool FolderExists(const std::string& path) const override;
    void DeleteFile(const std::string& path) override;
    std::optional<std::string> ReadFile(const std::string& path) const override;
    // Opened for reading with every kind of sharing, so that a program writing the file or holding
    // it mounted keeps it, and may even delete it, while it is read.
    std::optional<std::uint64_t> FileSize(const std::string& path) const override;
    std::optional<std::string> ReadFileRange(const std::string& path, std::uint64_t offset,
                                             std::size_t length) const override;
    void WriteFile(const std::string& path, const std::string& contents) override;
    void AppendFile(const std::string& path, const std::string& text) override;
    void CreateFolder(const std::string& path) override;
    // Folders that are reparse points (junctions, links) are left out, so that a walk cannot loop.
    FolderListing ListFolder(const std::string& path) const override;
    std::string FullPath(const std::string& path) const override;
    // 64-bit Windows keeps 32-bit programs apart in "Program Files (x86)"; 32-bit Windows names
    // one folder for both.
    std::string KnownFolderPath(KnownFolder folder) const override;
    std::string AnsiToUtf8(std::string_view text) const override;
    bool RunsElevated() const override;
    std::optional<std::string> NormalSessionMapping(char driveLetter) const override;
};

}  // namespace velutreck
