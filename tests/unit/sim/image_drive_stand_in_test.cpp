#include <gtest/gtest.h>

#include "base/failure.h"
#include "rehearsal/desktop/standard_desktop.h"
#include "rehearsal/standins/cd_image.h"

namespace velutreck {
namespace {

namespace paths = standard_desktop;

TEST(ImageDriveStandInTest, MountingAnImageHoldsItOpenUntilTheEmptyImageReplacesIt) {
    auto desktop = MakeStandardDesktop();
    SimFileSystem& files = desktop->Files();
    const std::string temp = paths::TempFolder + "~TmpVelutreck.nrg";
    files.AddFile(temp, CdImageText({paths::MusicFiles()[0]}));
    const std::size_t windows = desktop->Windows().TopLevel().size();

    desktop->ShellOpen(desktop->OwnWindow(), paths::ImageDrivePath, temp);
    desktop->Clock().AdvanceBy(999);
    EXPECT_FALSE(desktop->Drive().image);
    desktop->Clock().AdvanceBy(1);
    EXPECT_EQ(desktop->Drive().image, temp);
    EXPECT_THROW(files.DeleteFile(temp), Failure);
    EXPECT_EQ(desktop->Windows().TopLevel().size(), windows);
    EXPECT_EQ(desktop->Transcript().Texts().back(), "ImageDrive: mounted \"" + temp + "\"");

    // A missing image leaves the mounted one where it is.
    desktop->ShellOpen(desktop->OwnWindow(), paths::ImageDrivePath, "'C:\\Nowhere\\Empty.nrg'");
    desktop->Clock().AdvanceBy(1000);
    EXPECT_EQ(desktop->Drive().image, temp);
    EXPECT_EQ(desktop->Transcript().Texts().back(), "ImageDrive: cannot open the image \"C:\\Nowhere\\Empty.nrg\"");

    desktop->ShellOpen(desktop->OwnWindow(), paths::ImageDrivePath, "'" + paths::EmptyImage + "'");
    desktop->Clock().AdvanceBy(1000);
    EXPECT_EQ(desktop->Drive().image, paths::EmptyImage);
    EXPECT_TRUE(files.InUse(paths::EmptyImage));
    files.DeleteFile(temp);
    EXPECT_FALSE(files.FileExists(temp));
    EXPECT_FALSE(desktop->TaskRunning(4));
}

}  // namespace
}  // namespace velutreck
