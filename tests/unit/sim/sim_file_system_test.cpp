#include "rehearsal/desktop/sim_file_system.h"

#include <gtest/gtest.h>

#include "base/failure.h"

namespace velutreck {
namespace {

TEST(SimFileSystemTest, PathsCompareWithoutCaseAndFoldersExistWithOrWithoutTheirBackslash) {
    SimFileSystem files;
    files.AddFile("C:\\Music\\Live\\A.mp3", "audio");

    EXPECT_EQ(files.ReadFile("c:\\MUSIC\\live\\a.MP3"), "audio");
    EXPECT_TRUE(files.FolderExists("C:"));
    EXPECT_TRUE(files.FolderExists("c:\\music\\"));
    EXPECT_TRUE(files.FolderExists("C:\\Music\\Live"));
    EXPECT_FALSE(files.FolderExists("C:\\Music\\Live\\A.mp3"));
    EXPECT_FALSE(files.FileExists("C:\\Music\\Live"));
    EXPECT_FALSE(files.FolderExists("D:\\"));
}

TEST(SimFileSystemTest, AFileIsWrittenOnlyIntoAFolderAndStaysWhileReadOnlyOrOpen) {
    SimFileSystem files;
    EXPECT_THROW(files.WriteFile("C:\\Temp\\~TmpVelutreck.nrg", "image"), Failure);
    files.CreateFolder("C:\\Temp\\");
    files.WriteFile("C:\\Temp\\~TmpVelutreck.nrg", "first");
    files.WriteFile("c:\\temp\\~tmpvelutreck.NRG", "second");
    EXPECT_EQ(files.ReadFile("C:\\Temp\\~TmpVelutreck.nrg"), "second");
    EXPECT_THROW(files.WriteFile("C:\\Temp", "a folder has this name"), Failure);

    const std::string image = "C:\\Temp\\~TmpVelutreck.nrg";
    files.SetReadOnly(image, true);
    EXPECT_THROW(files.DeleteFile(image), Failure);
    EXPECT_THROW(files.WriteFile(image, "other"), Failure);
    files.SetReadOnly(image, false);
    files.SetInUse(image, true);
    EXPECT_THROW(files.DeleteFile(image), Failure);
    EXPECT_EQ(files.ReadFile(image), "second");

    files.SetInUse(image, false);
    files.DeleteFile(image);
    EXPECT_FALSE(files.FileExists(image));
    EXPECT_THROW(files.DeleteFile(image), Failure);
}

}  // namespace
}  // namespace velutreck
