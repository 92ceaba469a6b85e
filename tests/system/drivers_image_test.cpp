#include <gtest/gtest.h>

#include "drivers/modNeroBurningRom.h"
#include "drivers/modNeroImageDrive.h"
#include "drivers/temp_image.h"
#include "drivers_desktop.h"
#include "rehearsal/standins/cd_image.h"
#include "rehearsal/standins/nero_stand_in.h"

namespace velutreck {
namespace {

using Lines = std::vector<std::string>;

class NeroAndImageDrive : public DriversOnDesktop {
protected:
    // One group through Nero, the files handed over in the order given.
    void WriteImage(const Lines& files) {
        NeroStart(context);
        Wait(5);
        for (const std::string& file : files) {
            Tick([&] { NeroAddFile(context, file); });
        }
        Tick([&] { NeroWriteImage(context); });
        Wait(3);
        Tick([&] { NeroSaveImageFile(context); });
        ASSERT_TRUE(PollUntil([&] { return NeroBurnCompleted(context); }));
        Tick([&] { NeroDismissCompletion(context); });
        Tick([&] { NeroClose(context); });
    }
    Lines ImageTracks() { return CdImageSources(desktop->Files(), TempImagePath(window.tempFolder)); }
};

TEST_F(NeroAndImageDrive, NerosImageHoldsTheFilesHandedOverLastFirstInListOrderAndNeroEndsWithoutSaving) {
    const Lines& music = standard_desktop::MusicFiles();
    const auto project = desktop->Files().ReadFile(standard_desktop::AudioProject);
    WriteImage({music[2], music[0], music[1]});
    EXPECT_EQ(ImageTracks(), (Lines{music[1], music[0], music[2]}));
    EXPECT_FALSE(Showing(NeroMainTitle));
    EXPECT_EQ(desktop->Files().ReadFile(standard_desktop::AudioProject), project);
    EXPECT_EQ(StrayKeys(), Lines{});
}

TEST_F(NeroAndImageDrive, APathFullOfTheNotationsCharactersArrivesLiterally) {
    const std::string odd = "C:\\Music\\Live +10% ~(take 2) {final} [mix]^.mp3";
    desktop->Files().AddFile(odd, "audio\n");
    WriteImage({odd});
    EXPECT_EQ(ImageTracks(), Lines{odd});
    EXPECT_EQ(StrayKeys(), Lines{});
}

TEST_F(NeroAndImageDrive, ImageDriveMountsTheImageAndTheEmptyImageReleasesIt) {
    window.tempFolder = "C:\\Temp Files\\";
    desktop->Files().CreateFolder(window.tempFolder);
    const std::string image = TempImagePath(window.tempFolder);
    WriteImage({standard_desktop::MusicFiles()[0]});

    ImageDriveLoad(context);
    Wait(2);
    EXPECT_EQ(desktop->Drive().image, image);
    EXPECT_THROW(desktop->Files().DeleteFile(image), Failure);

    ImageDriveEject(context);
    Wait(2);
    ImageDriveEject(context);
    Wait(2);
    EXPECT_EQ(desktop->Drive().image, standard_desktop::EmptyImage);
    desktop->Files().DeleteFile(image);
    EXPECT_FALSE(desktop->Files().FileExists(image));
}

}  // namespace
}  // namespace velutreck
