#include "base/windows_paths.h"

#include <gtest/gtest.h>

namespace velutreck {
namespace {

TEST(WindowsPaths, CompareWithoutCaseAndTrailingBackslashAndFindWhatLiesBelowAFolder) {
    EXPECT_TRUE(SamePath("C:\\Program Files\\", "c:/PROGRAM FILES"));
    EXPECT_FALSE(SamePath("C:\\Program Files", "C:\\Program Files (x86)"));

    EXPECT_EQ(PathBelow("C:\\Program Files\\ahead\\ImageDrive.exe", "c:\\program files\\"), "ahead\\ImageDrive.exe");
    EXPECT_EQ(PathBelow("C:\\Temp\\", "C:\\"), "Temp");
    // A folder whose name begins with the other's lies beside it, not below.
    EXPECT_EQ(PathBelow("C:\\Program Files (x86)\\ahead\\ImageDrive.exe", "C:\\Program Files"), std::nullopt);
    EXPECT_EQ(PathBelow("C:\\Program Files\\", "C:\\Program Files"), std::nullopt);
    EXPECT_EQ(PathBelow("\\ahead", ""), std::nullopt);
}

TEST(WindowsPaths, AFilesFolderKeepsItsBackslashOnlyAtADriveRoot) {
    EXPECT_EQ(FolderOfFile("C:\\Program Files\\Velutreck\\Velutreck.exe"), "C:\\Program Files\\Velutreck");
    EXPECT_EQ(FolderOfFile("C:\\Velutreck.exe"), "C:\\");
    EXPECT_EQ(FolderOfFile("\\\\server\\share\\Velutreck.exe"), "\\\\server\\share");
    EXPECT_EQ(FolderOfFile("Velutreck.exe"), "");
}

}  // namespace
}  // namespace velutreck
