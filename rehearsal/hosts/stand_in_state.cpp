#include "stand_in_state.h"

#include <memory>
#include <optional>
#include <utility>

#include "base/failure.h"
#include "disc_text.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/windows_api.h"
#include "program_arguments.h"

namespace velutreck {

namespace {

constexpr int ReplaceAttempts = 300;

std::string DefaultFolder() {
    wchar_t temp[MAX_PATH + 1] = {};
    std::wstring folder(temp, GetTempPathW(MAX_PATH + 1, temp));
    if (!folder.empty() && folder.back() == L'\\') {
        folder.pop_back();
    }
    return Narrow(folder) + "\\VelutreckStandIns";
}

struct HandleCloser {
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using FileHandle = std::unique_ptr<void, HandleCloser>;

FileHandle Open(const std::string& path, DWORD access, DWORD sharing, DWORD creation) {
    HANDLE handle =
        CreateFileW(Widen(path).c_str(), access, sharing, nullptr, creation, FILE_ATTRIBUTE_NORMAL, nullptr);
    return FileHandle(handle == INVALID_HANDLE_VALUE ? nullptr : handle);
}

[[noreturn]] void Refuse(const std::string& doing, const std::string& path) {
    throw Failure(FailureKind::FileSystem, "Cannot " + doing + " \"" + path + "\".");
}

void WriteAll(HANDLE file, const std::string& text, const std::string& path) {
    DWORD written = 0;
    if (!::WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) || written != text.size()) {
        Refuse("write", path);
    }
}

// Readers share the file with writers and with the replacing move, so that a program reading the
// state never stops another from changing it.
std::optional<std::string> ReadShared(const std::string& path) {
    const FileHandle file = Open(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                 OPEN_EXISTING);
    if (!file) {
        if (GetLastError() == ERROR_FILE_NOT_FOUND) {
            return std::nullopt;
        }
        Refuse("read", path);
    }
    std::string contents;
    char buffer[4096];
    DWORD read = 0;
    while (::ReadFile(file.get(), buffer, sizeof(buffer), &read, nullptr) && read > 0) {
        contents.append(buffer, read);
    }
    return contents;
}

// Written beside and then moved over the old file, so that a reader never sees half of it.
void Replace(const std::string& path, const std::string& contents) {
    const std::string partial = path + ".partial";
    {
        const FileHandle file = Open(partial, GENERIC_WRITE, 0, CREATE_ALWAYS);
        if (!file) {
            Refuse("write", partial);
        }
        WriteAll(file.get(), contents, partial);
    }
    // A file open in another program cannot be replaced; readers hold it only for a moment.
    for (int attempt = 0; !MoveFileExW(Widen(partial).c_str(), Widen(path).c_str(), MOVEFILE_REPLACE_EXISTING);
         ++attempt) {
        if (attempt == ReplaceAttempts) {
            Refuse("replace", path);
        }
        Sleep(10);
    }
}

}  // namespace

StandInState::StandInState() : StandInState(EnvironmentValue(StandInStateVariable).value_or(DefaultFolder())) {}

StandInState::StandInState(std::string folder) : folder_(std::move(folder)) {
    CreateDirectoryW(Widen(folder_).c_str(), nullptr);
}

MiniDisc StandInState::ReadDisc() const {
    const auto text = ReadShared(DiscFile());
    return text ? ParseDiscText(*text) : MiniDisc();
}

void StandInState::WriteDisc(const MiniDisc& disc) { Replace(DiscFile(), DiscText(disc)); }

VirtualDrive StandInState::ReadDrive() const {
    const auto text = ReadShared(DriveFile());
    if (!text || text->empty()) {
        return VirtualDrive{};
    }
    return VirtualDrive{*text};
}

void StandInState::WriteDrive(const VirtualDrive& drive) { Replace(DriveFile(), drive.image.value_or("")); }

std::string StandInState::ReadLog() const { return ReadShared(LogFile()).value_or(""); }

bool StandInState::AppendToLog(const std::string& line) noexcept {
    try {
        const FileHandle log = Open(LogFile(), FILE_APPEND_DATA,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, OPEN_ALWAYS);
        if (!log) {
            return false;
        }
        WriteAll(log.get(), line + "\r\n", LogFile());
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

}  // namespace velutreck
