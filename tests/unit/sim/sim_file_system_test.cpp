#include "rehearsal/desktop/sim_file_system.h"

#include <gtest/gtest.h>

#include "base/failure.h"

namespace velutreck {
namespace {

void ExpectFileSystemFailure(const std::function<void()>& action) {
    try {
        action();
        ADD_FAILURE() << "no failure";
    } catch (const Failure& failure) {
        EXPECT_EQ(failure.Kind(), FailureKind::FileSystem);
    }
}

TEST(SimFileSystemTest, PathsCompareWithoutCaseAndFoldersExistWithOrWithoutTheirBackslash) {
    SimFileSystem files;
    files.AddFile("C:\\Music\\Live\\A.mp3", "audio");

    EXPECT_TRUE(files.FileExists("c:\\MUSIC\\live\\a.MP3"));
    EXPECT_EQ(files.ReadFile("C:\\music\\LIVE\\A.mp3"), "audio");
    EXPECT_TRUE(files.FolderExists("C:\\"));
    EXPECT_TRUE(files.FolderExists("C:"));
    EXPECT_TRUE(files.FolderExists("c:\\music\\"));
    EXPECT_TRUE(files.FolderExists("C:\\Music\\Live"));
    EXPECT_FALSE(files.FolderExists("C:\\Music\\Live\\A.mp3"));
    EXPECT_FALSE(files.FileExists("C:\\Music\\Live"));
    EXPECT_FALSE(files.FolderExists("D:\\"));
    EXPECT_FALSE(files.FileExists("A.mp3"));
    EXPECT_EQ(files.FilePaths(), (std::vector<std::string>{"C:\\Music\\Live\\A.mp3"}));
}

TEST(SimFileSystemTest, WritingNeedsAnExistingFolderAndReplacesAFile) {
    SimFileSystem files;
    ExpectFileSystemFailure([&] { files.WriteFile("C:\\Temp\\~TmpVelutreck.nrg", "image"); });
    ExpectFileSystemFailure([&] { files.WriteFile("D:\\image.nrg", "image"); });
    EXPECT_FALSE(files.FileExists("C:\\Temp\\~TmpVelutreck.nrg"));

    files.CreateFolder("C:\\Temp\\");
    files.WriteFile("C:\\Temp\\~TmpVelutreck.nrg", "first");
    files.WriteFile("c:\\temp\\~tmpvelutreck.NRG", "second");
    EXPECT_EQ(files.ReadFile("C:\\Temp\\~TmpVelutreck.nrg"), "second");
    ExpectFileSystemFailure([&] { files.WriteFile("C:\\Temp", "a folder has this name"); });
}

TEST(SimFileSystemTest, AReadOnlyOrOpenFileStaysWhenDeletedAndAMissingOneFails) {
    SimFileSystem files;
    files.AddFile("C:\\image.nrg", "image");
    files.SetReadOnly("C:\\image.nrg", true);
    ExpectFileSystemFailure([&] { files.DeleteFile("C:\\image.nrg"); });
    ExpectFileSystemFailure([&] { files.WriteFile("C:\\image.nrg", "other"); });

    files.SetReadOnly("C:\\image.nrg", false);
    files.SetInUse("C:\\IMAGE.nrg", true);
    ExpectFileSystemFailure([&] { files.DeleteFile("C:\\image.nrg"); });
    EXPECT_TRUE(files.FileExists("C:\\image.nrg"));
    EXPECT_EQ(files.ReadFile("C:\\image.nrg"), "image");

    files.SetInUse("C:\\image.nrg", false);
    files.DeleteFile("C:\\image.nrg");
    EXPECT_FALSE(files.FileExists("C:\\image.nrg"));
    ExpectFileSystemFailure([&] { files.DeleteFile("C:\\image.nrg"); });
}

}  // namespace
}  // namespace velutreck
