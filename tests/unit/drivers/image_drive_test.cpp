#include "drivers/modNeroImageDrive.h"

#include <gtest/gtest.h>

#include "driver_test_desktop.h"

namespace velutreck {
namespace {

using Lines = std::vector<std::string>;

// ImageDrive shows no window of its own here; installed, it keeps the shell from noting a failure.
class ImageDriveTest : public DriverTest {
protected:
    void SetUp() override { Install(window.imageDrive, {}); }
};

TEST_F(ImageDriveTest, TheTemporaryImageGoesBareAndTheEmptyImageInApostrophes) {
    window.tempFolder = "C:\\My Temp\\";
    ImageDriveLoad(context);
    ImageDriveEject(context);
    window.programFolder = "D:\\Tools";
    ImageDriveEject(context);
    const std::string open = "ShellOpen(77, \"C:\\Program Files\\ahead\\ImageDrive\\ImageDrive.exe\", ";
    EXPECT_EQ(Calls(), (Lines{open + "\"C:\\My Temp\\~TmpVelutreck.nrg\")",
                              open + "\"'C:\\Program Files\\Velutreck\\Empty.nrg'\")",
                              open + "\"'D:\\Tools\\Empty.nrg'\")"}));
}

TEST_F(ImageDriveTest, AProgramAtADrivesRootFindsTheEmptyImageBesideIt) {
    window.programFolder = "C:\\";
    ImageDriveEject(context);
    EXPECT_EQ(Calls().back(), "ShellOpen(77, \"C:\\Program Files\\ahead\\ImageDrive\\ImageDrive.exe\", "
                              "\"'C:\\Empty.nrg'\")");
}

}  // namespace
}  // namespace velutreck
