// The delivery zip beside bin/: it holds Velutreck.exe, Empty.nrg and Velutreck.html and nothing
// else, and the program unpacked from it into a folder of its own starts and closes. Its name and
// the program file's properties give the version as the window shows it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "base/product.h"
#include "base/version_number.h"
#include "platform/win32/wide_text.h"
#include "rehearsal/operator/key_capture_window.h"
#include "rehearsal/operator/velutreck_process.h"

namespace velutreck {
namespace {

using windowtest::BinFolder;
using windowtest::Eventually;

const std::string Version = VersionNumber(VersionMajor, VersionMinor, VersionRevision);

std::wstring ZipPath() { return BinFolder() + L"\\..\\Velutreck-" + Widen(Version) + L"-win64.zip"; }

std::uint32_t Little(const std::string& bytes, std::size_t at, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) {
        value = (value << 8) | static_cast<unsigned char>(bytes.at(at + static_cast<std::size_t>(i)));
    }
    return value;
}

// The names in the zip's central directory, found from its end record.
std::vector<std::string> ZipEntryNames(const std::string& zip) {
    const std::string endSignature("PK\x05\x06", 4);
    const std::size_t end = zip.rfind(endSignature);
    if (end == std::string::npos) {
        return {};
    }
    const std::uint32_t count = Little(zip, end + 10, 2);
    std::size_t entry = Little(zip, end + 16, 4);
    std::vector<std::string> names;
    for (std::uint32_t i = 0; i < count && zip.compare(entry, 4, "PK\x01\x02", 4) == 0; ++i) {
        const std::uint32_t nameLength = Little(zip, entry + 28, 2);
        names.push_back(zip.substr(entry + 46, nameLength));
        entry += 46 + nameLength + Little(zip, entry + 30, 2) + Little(zip, entry + 32, 2);
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::string UnixPath(const std::wstring& path) {
    using UnixFileName = char*(CDECL*)(LPCWSTR);
    const auto unixFileName = reinterpret_cast<UnixFileName>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
    char* unix = unixFileName != nullptr ? unixFileName(path.c_str()) : nullptr;
    const std::string result = unix != nullptr ? unix : "";
    HeapFree(GetProcessHeap(), 0, unix);
    return result;
}

// Unpacked on the Unix side by CMake, which Wine starts without a handle to wait on: the last
// step leaves a mark.
bool Unpack(const std::wstring& zip, const std::wstring& folder) {
    const std::wstring mark = folder + L"\\unpacked";
    const std::string script = "cd '" + UnixPath(folder) + "' && cmake -E tar xf '" + UnixPath(zip) +
                               "' && touch '" + UnixPath(mark) + "'";
    std::wstring commandLine = L"/bin/sh -c \"" + Widen(script) + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(L"Z:\\bin\\sh", commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &started)) {
        return false;
    }
    if (started.hProcess != nullptr) {
        CloseHandle(started.hProcess);
        CloseHandle(started.hThread);
    }
    return Eventually([&] { return GetFileAttributesW(mark.c_str()) != INVALID_FILE_ATTRIBUTES; }, 30000);
}

TEST(PackageTest, TheZipHoldsTheProgramWithItsEmptyImageAndHelpPageAndTheProgramStartsFromIt) {
    std::ifstream file(std::filesystem::path(ZipPath()), std::ios::binary);
    ASSERT_TRUE(file) << "No zip: build the target package.";
    const std::string zip((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    EXPECT_EQ(ZipEntryNames(zip), (std::vector<std::string>{"Empty.nrg", "Velutreck.exe", "Velutreck.html"}));

    wchar_t temp[MAX_PATH + 1] = {};
    const std::wstring folder = std::wstring(temp, GetTempPathW(MAX_PATH + 1, temp)) + L"VelutreckPackageTest";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    ASSERT_TRUE(Unpack(ZipPath(), folder));

    const std::wstring program = folder + L"\\Velutreck.exe";
    std::wstring commandLine = L"\"" + program + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION started{};
    ASSERT_TRUE(CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                               &startup, &started));
    CloseHandle(started.hThread);
    const StartedProcess velutreck(started.hProcess);
    HWND window = nullptr;
    ASSERT_TRUE(Eventually(
        [&] { return (window = windowtest::VisibleWindowOf(started.dwProcessId, L"Velutreck.frmMain")) != nullptr; }));
    PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForSingleObject(started.hProcess, 10000), WAIT_OBJECT_0);
}

// What Explorer shows under the file's Properties, Details: the file and product versions read as
// the window does, while the record's numbers keep the revision apart (2003.04.0015).
TEST(PackageTest, TheProgramFilesPropertiesShowTheVersionAsTheWindowDoes) {
    const std::wstring program = BinFolder() + L"\\Velutreck.exe";
    std::vector<char> record(GetFileVersionInfoSizeW(program.c_str(), nullptr));
    ASSERT_FALSE(record.empty());
    ASSERT_TRUE(GetFileVersionInfoW(program.c_str(), 0, static_cast<DWORD>(record.size()), record.data()));
    for (const wchar_t* name : {L"FileVersion", L"ProductVersion"}) {
        wchar_t* text = nullptr;
        UINT length = 0;
        const std::wstring query = std::wstring(L"\\StringFileInfo\\040904B0\\") + name;
        ASSERT_TRUE(VerQueryValueW(record.data(), query.c_str(), reinterpret_cast<void**>(&text), &length));
        EXPECT_EQ(Narrow(text), VersionNumber(VersionMajor, VersionMinor, VersionRevision)) << Narrow(name);
    }
    VS_FIXEDFILEINFO* numbers = nullptr;
    UINT size = 0;
    ASSERT_TRUE(VerQueryValueW(record.data(), L"\\", reinterpret_cast<void**>(&numbers), &size));
    EXPECT_EQ(numbers->dwFileVersionMS, static_cast<DWORD>(MAKELONG(VersionMinor, VersionMajor)));
    EXPECT_EQ(numbers->dwFileVersionLS, static_cast<DWORD>(MAKELONG(VersionRevision, 0)));
}

}  // namespace
}  // namespace velutreck
