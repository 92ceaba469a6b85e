// The real file system through UTF-8 paths, in a folder of the test's own with a name outside the
// ANSI code page.
#include <gtest/gtest.h>

#include "support/thrown_failure.h"

#include <filesystem>

#include "base/failure.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/windows_api.h"

namespace velutreck {
namespace {

class Win32Files : public testing::Test {
protected:
    void SetUp() override {
        folderPath = std::filesystem::temp_directory_path() / L"Velutreck Dateien \u00C4\u03A9";
        std::filesystem::remove_all(folderPath);
        std::filesystem::create_directories(folderPath);
        folder = Narrow(folderPath.wstring());
    }
    void TearDown() override {
        for (const auto& entry : std::filesystem::directory_iterator(folderPath)) {
            SetFileAttributesW(entry.path().c_str(), FILE_ATTRIBUTE_NORMAL);
        }
        std::filesystem::remove_all(folderPath);
    }

    std::filesystem::path folderPath;
    std::string folder;
    Win32FileSystem files;
};

TEST_F(Win32Files, FilesAndFoldersAreToldApartAndWritingAndReadingKeepEveryByte) {
    const std::string file = folder + "\\Caf\xC3\xA9 ~TmpVelutreck.nrg";
    files.WriteFile(file, "image");

    EXPECT_TRUE(files.FileExists(file));
    EXPECT_FALSE(files.FolderExists(file));
    EXPECT_TRUE(files.FolderExists(folder));
    EXPECT_TRUE(files.FolderExists(folder + "\\"));
    EXPECT_FALSE(files.FileExists(folder));
    EXPECT_TRUE(files.FolderExists("C:\\"));
    EXPECT_FALSE(files.FileExists(folder + "\\missing.nrg"));
    EXPECT_FALSE(files.FolderExists(folder + "\\missing"));
    EXPECT_FALSE(files.FileExists(folder + "\\*.nrg"));
    EXPECT_FALSE(files.FileExists(""));

    const std::string bytes("line\r\nzero\0byte\xFF\x80 end", 20);
    files.WriteFile(file, bytes);
    EXPECT_EQ(files.ReadFile(file), bytes);
    files.WriteFile(file, "ab");
    EXPECT_EQ(files.ReadFile(file), "ab");
    files.WriteFile(file, "");
    EXPECT_EQ(files.ReadFile(file), "");

    EXPECT_EQ(files.ReadFile(folder + "\\missing.bin"), std::nullopt);
    EXPECT_EQ(KindThrownBy([&] { files.WriteFile(folder + "\\missing\\x.bin", "x"); }), FailureKind::FileSystem);
}

TEST_F(Win32Files, DeletingIsNotForcedAndAFileThatStaysIsReported) {
    const std::string plain = folder + "\\plain.nrg";
    files.WriteFile(plain, "x");
    files.DeleteFile(plain);
    EXPECT_FALSE(files.FileExists(plain));
    EXPECT_EQ(KindThrownBy([&] { files.DeleteFile(plain); }), FailureKind::FileSystem);

    const std::string readOnly = folder + "\\read-only.nrg";
    files.WriteFile(readOnly, "x");
    SetFileAttributesW(Widen(readOnly).c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_EQ(KindThrownBy([&] { files.DeleteFile(readOnly); }), FailureKind::FileSystem);
    EXPECT_TRUE(files.FileExists(readOnly));

    // As ImageDrive holds a mounted image.
    const std::string held = folder + "\\held.nrg";
    files.WriteFile(held, "x");
    HANDLE handle = CreateFileW(Widen(held).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(handle, INVALID_HANDLE_VALUE);
    EXPECT_EQ(KindThrownBy([&] { files.DeleteFile(held); }), FailureKind::FileSystem);
    CloseHandle(handle);
    EXPECT_TRUE(files.FileExists(held));
}

// The user's persistent drive mappings, as Windows keeps them for each sign-in.
TEST_F(Win32Files, ADriveMappedForTheNormalSessionNamesItsShare) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, L"Network\\Q", 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    const std::wstring share = L"\\\\nas\\M\u00FCsik";
    RegSetValueExW(key, L"RemotePath", 0, REG_SZ, reinterpret_cast<const BYTE*>(share.c_str()),
                   static_cast<DWORD>((share.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);

    EXPECT_EQ(files.NormalSessionMapping('Q'), Narrow(share));
    RegDeleteKeyW(HKEY_CURRENT_USER, L"Network\\Q");
    EXPECT_EQ(files.NormalSessionMapping('Q'), std::nullopt);
}

// Nero may still be writing the image, and ImageDrive holds the image it mounted.
TEST_F(Win32Files, ARangeOfAFileHeldOpenForWritingIsReadWithoutTheRest) {
    const std::string image = folder + "\\~TmpVelutreck.nrg";
    files.WriteFile(image, "0123456789");
    const HANDLE writer = CreateFileW(Widen(image).c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(writer, INVALID_HANDLE_VALUE);

    EXPECT_EQ(files.FileSize(image), 10u);
    EXPECT_EQ(files.ReadFileRange(image, 0, 10), "0123456789");
    EXPECT_EQ(files.ReadFileRange(image, 7, 3), "789");
    EXPECT_EQ(files.ReadFileRange(image, 10, 0), "");
    EXPECT_EQ(files.ReadFileRange(image, 8, 3), std::nullopt) << "past the end";
    EXPECT_EQ(files.ReadFileRange(image, 1ull << 40, 1), std::nullopt);
    CloseHandle(writer);

    EXPECT_EQ(files.FileSize(folder + "\\missing.nrg"), std::nullopt);
    EXPECT_EQ(files.ReadFileRange(folder + "\\missing.nrg", 0, 0), std::nullopt);
    EXPECT_EQ(files.FileSize(folder), std::nullopt) << "a folder";
}

}  // namespace
}  // namespace velutreck
