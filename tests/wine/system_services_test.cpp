// The settings in the registry, the single-instance check across processes, and the program's
// own folder.
#include <gtest/gtest.h>

#include <string>

#include "rehearsal/operator/key_capture_window.h"
#include "platform/win32/mutex_instance_check.h"
#include "platform/win32/program_folder.h"
#include "platform/win32/registry_settings_store.h"
#include "platform/win32/win32_file_system.h"

namespace velutreck {
namespace {

constexpr const wchar_t* TestApplicationKey = L"Software\\VB and VBA Program Settings\\Velutreck Wine Test";
constexpr const char* TestApplication = "Velutreck Wine Test";

class RegistrySettings : public testing::Test {
protected:
    void SetUp() override { RegDeleteTreeW(HKEY_CURRENT_USER, TestApplicationKey); }
    void TearDown() override { RegDeleteTreeW(HKEY_CURRENT_USER, TestApplicationKey); }

    RegistrySettingsStore store;
};

// The value as another program reading the registry sees it.
std::wstring StoredString(const std::wstring& section, const std::wstring& value) {
    wchar_t data[512] = {};
    DWORD size = sizeof(data);
    const std::wstring key = std::wstring(TestApplicationKey) + L"\\" + section;
    if (RegGetValueW(HKEY_CURRENT_USER, key.c_str(), value.c_str(), RRF_RT_REG_SZ, nullptr, data, &size) !=
        ERROR_SUCCESS) {
        return L"<not a stored string>";
    }
    return data;
}

TEST_F(RegistrySettings, StringsRoundTripAsRegSzValuesWhereVisualBasicKeptThem) {
    const std::string name = "Caf\xC3\xA9 Mot\xC3\xB6rhead \xE2\x80\x93 \xCE\xA9";
    store.WriteSetting(TestApplication, "Settings", "DiscName", name);
    store.WriteSetting(TestApplication, "Settings", "AudioProject", "");
    store.WriteSetting(TestApplication, "Settings", "SimpleBurnerPause", "30");
    store.WriteSetting(TestApplication, "Settings", "SimpleBurnerPause", "45");

    EXPECT_EQ(store.ReadSetting(TestApplication, "Settings", "DiscName", "default"), name);
    EXPECT_EQ(store.ReadSetting(TestApplication, "Settings", "AudioProject", "(not specified)"), "");
    EXPECT_EQ(store.ReadSetting(TestApplication, "Settings", "SimpleBurnerPause", "30"), "45");
    EXPECT_EQ(StoredString(L"Settings", L"DiscName"), L"Caf\u00E9 Mot\u00F6rhead \u2013 \u03A9");
    EXPECT_EQ(StoredString(L"Settings", L"SimpleBurnerPause"), L"45");
}

TEST_F(RegistrySettings, AMissingApplicationSectionOrKeyAndAValueThatIsNoStringReadAsTheDefault) {
    EXPECT_EQ(store.ReadSetting(TestApplication, "Settings", "TempFolder", "C:\\"), "C:\\");
    store.WriteSetting(TestApplication, "Settings", "TempFolder", "D:\\Temp\\");
    EXPECT_EQ(store.ReadSetting(TestApplication, "Other", "TempFolder", "C:\\"), "C:\\");
    EXPECT_EQ(store.ReadSetting(TestApplication, "Settings", "Compression", "1"), "1");

    const DWORD number = 0;
    const std::wstring key = std::wstring(TestApplicationKey) + L"\\Settings";
    ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, key.c_str(), L"Compression", REG_DWORD, &number, sizeof(number)),
              ERROR_SUCCESS);
    EXPECT_EQ(store.ReadSetting(TestApplication, "Settings", "Compression", "1"), "1");
}

TEST_F(RegistrySettings, ALongValueReadsBackWhole) {
    const std::string path = "C:\\" + std::string(3000, 'x') + "\\Empty.nra";
    store.WriteSetting(TestApplication, "Settings", "AudioProject", path);
    EXPECT_EQ(store.ReadSetting(TestApplication, "Settings", "AudioProject", ""), path);
}

// The probe program exits with 1 when it sees another copy running.
DWORD ProbeExitCode() {
    std::wstring commandLine = L"\"" + TestBinFolder() + L"\\instance_probe.exe\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started)) {
        return 99;
    }
    if (WaitForSingleObject(started.hProcess, 10000) != WAIT_OBJECT_0) {
        TerminateProcess(started.hProcess, 99);
        WaitForSingleObject(started.hProcess, 3000);
    }
    DWORD code = 99;
    GetExitCodeProcess(started.hProcess, &code);
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
    return code;
}

TEST(SingleInstance, ASecondCopySeesTheFirstForAsLongAsTheFirstLives) {
    {
        velutreck::MutexInstanceCheck first;
        EXPECT_FALSE(first.AnotherInstanceRunning());
        velutreck::MutexInstanceCheck second;
        EXPECT_TRUE(second.AnotherInstanceRunning());
        EXPECT_EQ(ProbeExitCode(), 1u);
    }
    EXPECT_EQ(ProbeExitCode(), 0u);
}

TEST(ProgramLocation, IsTheFolderOfTheRunningProgramWithABackslashOnlyAtADriveRoot) {
    EXPECT_TRUE(Win32FileSystem().FileExists(ProgramFolder() + "\\key_capture.exe"));
    EXPECT_NE(ProgramFolder().back(), '\\');
    EXPECT_EQ(FolderOfFile("C:\\Program Files\\Velutreck\\Velutreck.exe"), "C:\\Program Files\\Velutreck");
    EXPECT_EQ(FolderOfFile("C:\\Velutreck.exe"), "C:\\");
    EXPECT_EQ(FolderOfFile("\\\\server\\share\\Velutreck.exe"), "\\\\server\\share");
}

}  // namespace
}  // namespace velutreck
