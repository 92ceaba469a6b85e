#include "drivers/modNeroImageDrive.h"

#include <gtest/gtest.h>

#include "driver_test_desktop.h"

namespace velutreck {
namespace {

// ImageDrive shows no window of its own here; installed, it keeps the shell from noting a failure.
class ImageDriveTest : public DriverTest {
protected:
    void SetUp() override { Install(window.imageDrive, {}); }
};

TEST_F(ImageDriveTest, TheTemporaryImageGoesBareAndTheEmptyImageBesideTheProgramInApostrophes) {
    window.tempFolder = "C:\\My Temp\\";
    ImageDriveLoad(context);
    ImageDriveEject(context);
    window.programFolder = "C:\\";  // a program at a drive's root
    ImageDriveEject(context);
    const std::string open = "ShellOpen(77, \"C:\\Program Files\\ahead\\ImageDrive\\ImageDrive.exe\", ";
    EXPECT_EQ(Calls(), (std::vector<std::string>{open + "\"C:\\My Temp\\~TmpVelutreck.nrg\")",
                                                 open + "\"'C:\\Program Files\\Velutreck\\Empty.nrg'\")",
                                                 open + "\"'C:\\Empty.nrg'\")"}));
}

}  // namespace
}  // namespace velutreck
