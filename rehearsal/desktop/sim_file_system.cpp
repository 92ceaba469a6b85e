#include "rehearsal/desktop/sim_file_system.h"

#include <algorithm>

#include "base/failure.h"
#include "base/utf8.h"
#include "rehearsal/desktop/sim_text.h"

namespace velutreck {

namespace {

bool IsRootKey(const std::string& key) { return key.size() == 3; }

[[noreturn]] void Refuse(const std::string& doing, const std::string& path, const std::string& why) {
    throw Failure(FailureKind::FileSystem, "Cannot " + doing + " \"" + path + "\": " + why + ".");
}

}  // namespace

std::string PathKey(const std::string& path) {
    if (path.size() < 2 || path[1] != ':' || !IsAsciiLetter(path[0])) {
        return {};
    }
    std::string key = FoldCase(path);
    while (key.size() > 3 && key.back() == '\\') {
        key.pop_back();
    }
    if (key.size() == 2) {
        key += '\\';
    }
    return key[2] == '\\' ? key : std::string();
}

std::string ParentKey(const std::string& key) {
    if (IsRootKey(key)) {
        return {};
    }
    const auto slash = key.rfind('\\');
    return slash == 2 ? key.substr(0, 3) : key.substr(0, slash);
}

SimFileSystem::SimFileSystem()
    : knownFolders_{
          {KnownFolder::ProgramFiles, "C:\\Program Files"},
          {KnownFolder::ProgramFilesX86, "C:\\Program Files (x86)"},
          {KnownFolder::SendTo, "C:\\Users\\Owner\\AppData\\Roaming\\Microsoft\\Windows\\SendTo"},
          {KnownFolder::LocalAppData, "C:\\Users\\Owner\\AppData\\Local"},
      } {
    folders_.emplace("c:\\", "C:\\");
}

bool SimFileSystem::FileExists(const std::string& path) const {
    Accessed(path);
    return files_.contains(SeenKey(path));
}

bool SimFileSystem::FolderExists(const std::string& path) const {
    Accessed(path);
    return folders_.contains(SeenKey(path));
}

void SimFileSystem::Accessed(const std::string& path) const {
    if (onAccess_) {
        onAccess_(path);
    }
}

SimFileSystem::File& SimFileSystem::ExistingFile(const std::string& path, const std::string& doing) {
    const auto found = files_.find(PathKey(path));
    if (found == files_.end()) {
        Refuse(doing, path, "there is no such file");
    }
    return found->second;
}

void SimFileSystem::DeleteFile(const std::string& path) {
    const File& file = ExistingFile(path, "delete");
    if (file.readOnly) {
        Refuse("delete", path, "the file is read-only");
    }
    if (file.inUse) {
        Refuse("delete", path, "the file is in use by another program");
    }
    if (!file.deleteIgnored) {
        files_.erase(PathKey(path));
    }
}

void SimFileSystem::AppendFile(const std::string& path, const std::string& text) {
    WriteFile(path, ReadFile(path).value_or("") + text);
}

std::optional<std::string> SimFileSystem::ReadFile(const std::string& path) const {
    Accessed(path);
    const auto found = files_.find(SeenKey(path));
    if (found == files_.end()) {
        return std::nullopt;
    }
    return std::string(found->second.leadingZeros, '\0') + found->second.contents;
}

std::optional<std::uint64_t> SimFileSystem::FileSize(const std::string& path) const {
    Accessed(path);
    const auto found = files_.find(SeenKey(path));
    if (found == files_.end()) {
        return std::nullopt;
    }
    return found->second.leadingZeros + found->second.contents.size();
}

std::optional<std::string> SimFileSystem::ReadFileRange(const std::string& path, std::uint64_t offset,
                                                        std::size_t length) const {
    const auto size = FileSize(path);
    if (!size || offset > *size || length > *size - offset) {
        return std::nullopt;
    }
    const File& file = files_.at(PathKey(path));
    if (offset >= file.leadingZeros) {
        return file.contents.substr(offset - file.leadingZeros, length);
    }
    const std::uint64_t zeros = std::min<std::uint64_t>(file.leadingZeros - offset, length);
    return std::string(zeros, '\0') + file.contents.substr(0, length - zeros);
}

void SimFileSystem::WriteFile(const std::string& path, const std::string& contents) {
    WriteFileAfterZeros(path, 0, contents);
}

void SimFileSystem::WriteFileAfterZeros(const std::string& path, std::uint64_t zeros, const std::string& tail) {
    const std::string key = PathKey(path);
    if (key.empty() || IsRootKey(key)) {
        Refuse("write", path, "that is not a file name");
    }
    if (folders_.contains(key)) {
        Refuse("write", path, "a folder has that name");
    }
    if (!folders_.contains(ParentKey(key))) {
        Refuse("write", path, "its folder does not exist");
    }
    if (writesRefused_.contains(ParentKey(key))) {
        Refuse("write", path, "access is denied");
    }
    const auto found = files_.find(key);
    if (found == files_.end()) {
        files_.emplace(key, File{.path = path, .leadingZeros = zeros, .contents = tail, .playingTime = std::nullopt});
        return;
    }
    if (found->second.readOnly) {
        Refuse("write", path, "the file is read-only");
    }
    if (found->second.inUse) {
        Refuse("write", path, "the file is in use by another program");
    }
    found->second.leadingZeros = zeros;
    found->second.contents = tail;
}

void SimFileSystem::CreateFolder(const std::string& path) {
    if (PathKey(path).empty()) {
        Refuse("create the folder", path, "that is not a folder name");
    }
    for (std::string key = PathKey(path); !key.empty(); key = ParentKey(key)) {
        if (files_.contains(key)) {
            Refuse("create the folder", path, "a file has that name");
        }
        folders_.emplace(key, path.substr(0, key.size()));
    }
}

void SimFileSystem::AddFile(const std::string& path, const std::string& contents) {
    const std::string parent = ParentKey(PathKey(path));
    if (!parent.empty()) {
        CreateFolder(path.substr(0, parent.size()));  // the folders keep the case the path gives them
    }
    WriteFile(path, contents);
}

void SimFileSystem::SetPlayingTime(const std::string& path, std::chrono::milliseconds time) {
    ExistingFile(path, "change").playingTime = time;
}

std::optional<std::chrono::milliseconds> SimFileSystem::PlayingTime(const std::string& path) const {
    const auto found = files_.find(SeenKey(path));
    return found == files_.end() ? std::nullopt : found->second.playingTime;
}

void SimFileSystem::SetReadOnly(const std::string& path, bool readOnly) {
    ExistingFile(path, "change").readOnly = readOnly;
}

void SimFileSystem::SetInUse(const std::string& path, bool inUse) { ExistingFile(path, "open").inUse = inUse; }

void SimFileSystem::SetDeleteIgnored(const std::string& path, bool ignored) {
    ExistingFile(path, "open").deleteIgnored = ignored;
}

bool SimFileSystem::InUse(const std::string& path) const {
    const auto found = files_.find(PathKey(path));
    return found != files_.end() && found->second.inUse;
}

FolderListing SimFileSystem::ListFolder(const std::string& path) const {
    Accessed(path);
    const std::string key = SeenKey(path);
    const auto nameOf = [](const std::string& inside) { return inside.substr(inside.rfind('\\') + 1); };
    FolderListing listing;
    if (key.empty() || !folders_.contains(key)) {
        return listing;
    }
    for (const auto& [fileKey, file] : files_) {
        if (ParentKey(fileKey) == key) {
            listing.files.push_back(nameOf(file.path));
        }
    }
    for (const auto& [folderKey, folderPath] : folders_) {
        if (ParentKey(folderKey) == key) {
            listing.folders.push_back(nameOf(folderPath));
        }
    }
    return listing;
}

std::string SimFileSystem::FullPath(const std::string& path) const {
    std::string slashed = path;
    std::replace(slashed.begin(), slashed.end(), '/', '\\');
    std::string root = "C:";
    std::string rest = slashed;
    if (slashed.size() >= 2 && slashed[1] == ':') {
        root = slashed.substr(0, 2);
        rest = slashed.substr(2);
    }
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= rest.size()) {
        const std::size_t end = std::min(rest.find('\\', start), rest.size());
        const std::string part = rest.substr(start, end - start);
        if (part == "..") {
            if (!parts.empty()) {
                parts.pop_back();
            }
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        start = end + 1;
    }
    std::string full = root;
    for (const std::string& part : parts) {
        full += "\\" + part;
    }
    return parts.empty() ? full + "\\" : full;
}

std::string SimFileSystem::AnsiToUtf8(std::string_view text) const {
    std::string utf8;
    for (const char byte : text) {
        AppendUtf8(utf8, static_cast<unsigned char>(byte));
    }
    return utf8;
}

void SimFileSystem::SetWritesRefused(const std::string& folder, bool refused) {
    if (refused) {
        writesRefused_.insert(PathKey(folder));
    } else {
        writesRefused_.erase(PathKey(folder));
    }
}

void SimFileSystem::SetKnownFolder(KnownFolder folder, const std::string& path) { knownFolders_[folder] = path; }

std::string SimFileSystem::KnownFolderPath(KnownFolder folder) const {
    const auto found = knownFolders_.find(folder);
    return found == knownFolders_.end() ? std::string() : found->second;
}

void SimFileSystem::MapForNormalSession(char driveLetter, const std::string& share) {
    normalSessionMappings_[static_cast<char>(driveLetter & ~0x20)] = share;
}

std::optional<std::string> SimFileSystem::NormalSessionMapping(char driveLetter) const {
    const auto found = normalSessionMappings_.find(driveLetter);
    return found == normalSessionMappings_.end() ? std::nullopt : std::optional(found->second);
}

// Nothing on a drive that an elevated process does not see exists for it.
std::string SimFileSystem::SeenKey(const std::string& path) const {
    std::string key = PathKey(path);
    const bool hidden = elevated_ && !linkedConnections_ && !key.empty() &&
                        normalSessionMappings_.contains(static_cast<char>(key[0] & ~0x20));
    return hidden ? std::string() : key;
}

std::vector<std::string> SimFileSystem::FilePaths() const {
    std::vector<std::string> paths;
    for (const auto& [key, file] : files_) {
        paths.push_back(file.path);
    }
    return paths;
}

}  // namespace velutreck
