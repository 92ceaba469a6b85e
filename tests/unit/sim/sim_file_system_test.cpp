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

// A CD image's silence is only counted; any range of the file reads as if it were stored.
TEST(SimFileSystemTest, AFileOfLeadingZerosReadsWhollyOrInRangesAsIfTheZerosWereStored) {
    SimFileSystem files;
    files.AddFile("C:\\Temp\\image.nrg", "old");
    files.WriteFileAfterZeros("C:\\Temp\\image.nrg", 4, "tail");
    const std::string whole("\0\0\0\0tail", 8);

    EXPECT_EQ(files.ReadFile("C:\\Temp\\image.nrg"), whole);
    EXPECT_EQ(files.FileSize("C:\\Temp\\image.nrg"), 8u);
    for (std::uint64_t offset = 0; offset <= 8; ++offset) {
        for (std::size_t length = 0; offset + length <= 8; ++length) {
            EXPECT_EQ(files.ReadFileRange("C:\\Temp\\image.nrg", offset, length), whole.substr(offset, length))
                << offset << " " << length;
        }
        EXPECT_EQ(files.ReadFileRange("C:\\Temp\\image.nrg", offset, 9 - offset), std::nullopt) << offset;
    }
    EXPECT_EQ(files.ReadFileRange("C:\\Temp\\image.nrg", 9, 0), std::nullopt);
    EXPECT_EQ(files.ReadFileRange("C:\\Temp\\image.nrg", 1, std::size_t(-1)), std::nullopt) << "no overflow";
    EXPECT_EQ(files.FileSize("C:\\Temp\\missing.nrg"), std::nullopt);
    EXPECT_EQ(files.ReadFileRange("C:\\Temp\\missing.nrg", 0, 0), std::nullopt);

    files.WriteFile("C:\\Temp\\image.nrg", "new");
    EXPECT_EQ(files.ReadFile("C:\\Temp\\image.nrg"), "new") << "the zeros go with a new write";
}

}  // namespace
}  // namespace velutreck
