#include "platform/win32/win32_file_system.h"

#include <algorithm>
#include <cstdint>
#include <memory>

#include "base/failure.h"
#include "platform/win32/integrity_level.h"
#include "platform/win32/known_folder.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/windows_api.h"

#include <knownfolders.h>
#include <shlobj.h>

namespace velutreck {

namespace {

DWORD AttributesOf(const std::string& path) { return GetFileAttributesW(Widen(path).c_str()); }

struct HandleCloser {
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using FileHandle = std::unique_ptr<void, HandleCloser>;

FileHandle OpenFile(const std::string& path, DWORD access, DWORD creation) {
    HANDLE handle = CreateFileW(Widen(path).c_str(), access, FILE_SHARE_READ, nullptr, creation, FILE_ATTRIBUTE_NORMAL,
                                nullptr);
    return FileHandle(handle == INVALID_HANDLE_VALUE ? nullptr : handle);
}

FileHandle OpenShared(const std::string& path) {
    HANDLE handle = CreateFileW(Widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    return FileHandle(handle == INVALID_HANDLE_VALUE ? nullptr : handle);
}

[[noreturn]] void Refuse(const std::string& doing, const std::string& path) {
    throw Failure(FailureKind::FileSystem, "Cannot " + doing + " \"" + path + "\".");
}

void WriteAll(const FileHandle& file, const std::string& path, const std::string& contents) {
    if (!file) {
        Refuse("write", path);
    }
    std::size_t done = 0;
    while (done < contents.size()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(contents.size() - done, 1u << 20));
        DWORD written = 0;
        if (!::WriteFile(file.get(), contents.data() + done, chunk, &written, nullptr) || written == 0) {
            Refuse("write", path);
        }
        done += written;
    }
}

}  // namespace

bool Win32FileSystem::FileExists(const std::string& path) const {
    const DWORD attributes = AttributesOf(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool Win32FileSystem::FolderExists(const std::string& path) const {
    const DWORD attributes = AttributesOf(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

void Win32FileSystem::DeleteFile(const std::string& path) {
    if (!DeleteFileW(Widen(path).c_str()) || FileExists(path)) {
        Refuse("delete", path);
    }
}

std::optional<std::string> Win32FileSystem::ReadFile(const std::string& path) const {
    const FileHandle file = OpenFile(path, GENERIC_READ, OPEN_EXISTING);
    if (!file) {
        return std::nullopt;
    }
    std::string contents;
    char buffer[65536];
    DWORD read = 0;
    while (::ReadFile(file.get(), buffer, sizeof(buffer), &read, nullptr)) {
        if (read == 0) {
            return contents;
        }
        contents.append(buffer, read);
    }
    return std::nullopt;
}

std::optional<std::uint64_t> Win32FileSystem::FileSize(const std::string& path) const {
    const FileHandle file = OpenShared(path);
    LARGE_INTEGER size{};
    if (!file || !GetFileSizeEx(file.get(), &size)) {
        return std::nullopt;
    }
    return static_cast<std::uint64_t>(size.QuadPart);
}

std::optional<std::string> Win32FileSystem::ReadFileRange(const std::string& path, std::uint64_t offset,
                                                          std::size_t length) const {
    const FileHandle file = OpenShared(path);
    LARGE_INTEGER start{};
    start.QuadPart = static_cast<LONGLONG>(offset);
    if (!file || offset > static_cast<std::uint64_t>(INT64_MAX) ||
        !SetFilePointerEx(file.get(), start, nullptr, FILE_BEGIN)) {
        return std::nullopt;
    }
    std::string bytes(length, '\0');
    std::size_t done = 0;
    while (done < length) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(length - done, 1u << 20));
        DWORD read = 0;
        // A read at or past the end succeeds with nothing read.
        if (!::ReadFile(file.get(), bytes.data() + done, chunk, &read, nullptr) || read == 0) {
            return std::nullopt;
        }
        done += read;
    }
    return bytes;
}

void Win32FileSystem::WriteFile(const std::string& path, const std::string& contents) {
    WriteAll(OpenFile(path, GENERIC_WRITE, CREATE_ALWAYS), path, contents);
}

// FILE_APPEND_DATA alone makes every write go to the end of the file.
void Win32FileSystem::AppendFile(const std::string& path, const std::string& text) {
    WriteAll(OpenFile(path, FILE_APPEND_DATA, OPEN_ALWAYS), path, text);
}

void Win32FileSystem::CreateFolder(const std::string& path) {
    const std::wstring wide = Widen(path);
    // SHCreateDirectoryExW wants a full path and makes the folders above it too.
    const int result = SHCreateDirectoryExW(nullptr, wide.c_str(), nullptr);
    if (result != ERROR_SUCCESS && result != ERROR_ALREADY_EXISTS && result != ERROR_FILE_EXISTS) {
        Refuse("create the folder", path);
    }
    if (!FolderExists(path)) {
        Refuse("create the folder", path);
    }
}

FolderListing Win32FileSystem::ListFolder(const std::string& path) const {
    FolderListing listing;
    const std::wstring pattern = Widen(path) + (path.ends_with('\\') ? L"*" : L"\\*");
    WIN32_FIND_DATAW found{};
    HANDLE search = FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &found, FindExSearchNameMatch, nullptr, 0);
    if (search == INVALID_HANDLE_VALUE) {
        return listing;
    }
    do {
        const std::wstring_view name = found.cFileName;
        if (name == L"." || name == L"..") {
            continue;
        }
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
            listing.files.push_back(Narrow(name));
        } else if ((found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0) {
            listing.folders.push_back(Narrow(name));
        }
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return listing;
}

std::string Win32FileSystem::FullPath(const std::string& path) const {
    const std::wstring wide = Widen(path);
    const DWORD needed = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
    if (needed == 0) {
        return path;
    }
    std::wstring full(needed, L'\0');
    const DWORD length = GetFullPathNameW(wide.c_str(), needed, full.data(), nullptr);
    full.resize(length < needed ? length : 0);
    return full.empty() ? path : Narrow(full);
}

std::string Win32FileSystem::KnownFolderPath(KnownFolder folder) const {
    switch (folder) {
    case KnownFolder::ProgramFiles: return velutreck::KnownFolderPath(FOLDERID_ProgramFiles);
    case KnownFolder::ProgramFilesX86: return velutreck::KnownFolderPath(FOLDERID_ProgramFilesX86);
    case KnownFolder::SendTo: return velutreck::KnownFolderPath(FOLDERID_SendTo);
    case KnownFolder::LocalAppData: return velutreck::KnownFolderPath(FOLDERID_LocalAppData);
    }
    return {};
}

std::string Win32FileSystem::AnsiToUtf8(std::string_view text) const {
    if (text.empty()) {
        return {};
    }
    const int size = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), size, wide.data(), length);
    return Narrow(wide);
}

bool Win32FileSystem::RunsElevated() const { return ThisProcessRunsElevated(); }

// The user's persistent mappings are kept under HKCU\Network\<letter>, the share in RemotePath.
std::optional<std::string> Win32FileSystem::NormalSessionMapping(char driveLetter) const {
    const std::wstring key = std::wstring(L"Network\\") + static_cast<wchar_t>(driveLetter);
    DWORD size = 0;
    if (RegGetValueW(HKEY_CURRENT_USER, key.c_str(), L"RemotePath", RRF_RT_REG_SZ, nullptr, nullptr, &size) !=
        ERROR_SUCCESS) {
        return std::nullopt;
    }
    std::wstring share(size / sizeof(wchar_t), L'\0');
    if (RegGetValueW(HKEY_CURRENT_USER, key.c_str(), L"RemotePath", RRF_RT_REG_SZ, nullptr, share.data(), &size) !=
        ERROR_SUCCESS) {
        return std::nullopt;
    }
    share.resize(size / sizeof(wchar_t));
    while (!share.empty() && share.back() == L'\0') {
        share.pop_back();
    }
    return Narrow(share);
}

}  // namespace velutreck
