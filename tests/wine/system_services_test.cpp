// The settings in the registry and the program's own folder.
#include <gtest/gtest.h>

#include <string>

#include "platform/win32/program_folder.h"
#include "platform/win32/registry_settings_store.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/windows_api.h"

namespace velutreck {
namespace {

constexpr const wchar_t* TestApplicationKey = L"Software\\VB and VBA Program Settings\\Velutreck Wine Test";
constexpr const char* TestApplication = "Velutreck Wine Test";

// The value as another program reading the registry sees it.
std::wstring StoredString(const std::wstring& value) {
    wchar_t data[512] = {};
    DWORD size = sizeof(data);
    const std::wstring key = std::wstring(TestApplicationKey) + L"\\Settings";
    if (RegGetValueW(HKEY_CURRENT_USER, key.c_str(), value.c_str(), RRF_RT_REG_SZ, nullptr, data, &size) !=
        ERROR_SUCCESS) {
        return L"<not a stored string>";
    }
    return data;
}

TEST(RegistrySettings, StringsRoundTripAsRegSzValuesAndWhatIsMissingOrNoStringReadsAsTheDefault) {
    RegDeleteTreeW(HKEY_CURRENT_USER, TestApplicationKey);
    RegistrySettingsStore store;
    EXPECT_EQ(store.ReadSetting(TestApplication, "Settings", "TempFolder", "C:\\"), "C:\\");

    const std::string name = "Caf\xC3\xA9 Mot\xC3\xB6rhead \xE2\x80\x93 \xCE\xA9";
    const std::string longPath = "C:\\" + std::string(3000, 'x') + "\\Empty.nra";
    store.WriteSetting(TestApplication, "Settings", "DiscName", name);
    store.WriteSetting(TestApplication, "Settings", "AudioProject", longPath);
    store.WriteSetting(TestApplication, "Settings", "TempFolder", "");
    store.WriteSetting(TestApplication, "Settings", "SimpleBurnerPause", "30");
    store.WriteSetting(TestApplication, "Settings", "SimpleBurnerPause", "45");
    EXPECT_EQ(store.ReadSetting(TestApplication, "Settings", "DiscName", "default"), name);
    EXPECT_EQ(store.ReadSetting(TestApplication, "Settings", "AudioProject", ""), longPath);
    EXPECT_EQ(store.ReadSetting(TestApplication, "Settings", "TempFolder", "C:\\"), "");
    EXPECT_EQ(store.ReadSetting(TestApplication, "Settings", "SimpleBurnerPause", "30"), "45");
    EXPECT_EQ(StoredString(L"DiscName"), L"Caf\u00E9 Mot\u00F6rhead \u2013 \u03A9");
    EXPECT_EQ(StoredString(L"SimpleBurnerPause"), L"45");

    EXPECT_EQ(store.ReadSetting(TestApplication, "Other", "TempFolder", "C:\\"), "C:\\");
    EXPECT_EQ(store.ReadSetting(TestApplication, "Settings", "Compression", "1"), "1");
    const DWORD number = 0;
    const std::wstring key = std::wstring(TestApplicationKey) + L"\\Settings";
    ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, key.c_str(), L"Compression", REG_DWORD, &number, sizeof(number)),
              ERROR_SUCCESS);
    EXPECT_EQ(store.ReadSetting(TestApplication, "Settings", "Compression", "1"), "1");
    RegDeleteTreeW(HKEY_CURRENT_USER, TestApplicationKey);
}

TEST(ProgramLocation, IsTheFolderOfTheRunningProgramWithABackslashOnlyAtADriveRoot) {
    EXPECT_TRUE(Win32FileSystem().FileExists(ProgramFolder() + "\\key_capture.exe"));
    EXPECT_NE(ProgramFolder().back(), '\\');
    EXPECT_EQ(ProgramFile(), ProgramFolder() + "\\wine_tests.exe");
}

// 64-bit Windows keeps the 32-bit programs apart; the Send to folder is the user's own.
TEST(KnownFolders, NameBothProgramFilesAndSendTo) {
    const Win32FileSystem files;
    EXPECT_TRUE(files.KnownFolderPath(KnownFolder::ProgramFiles).ends_with("\\Program Files"));
    EXPECT_TRUE(files.KnownFolderPath(KnownFolder::ProgramFilesX86).ends_with("\\Program Files (x86)"));
    EXPECT_TRUE(files.KnownFolderPath(KnownFolder::SendTo).ends_with("\\SendTo"));
}

}  // namespace
}  // namespace velutreck
