// How a hosted stand-in reads what it was started with: the arguments after its own path, the
// project path the shell quotes, and the speed factor for its delays.
#include <gtest/gtest.h>

#include "rehearsal/hosts/program_arguments.h"
#include "rehearsal/hosts/stand_in_speed.h"

namespace velutreck {
namespace {

const std::string ImageDrive = "C:\\Program Files\\ahead\\ImageDrive\\ImageDrive.exe";

TEST(ProgramArgumentsTest, TheArgumentsAreExactlyWhatFollowsTheProgramsPath) {
    // ImageDrive gets the empty image in apostrophes and the temporary image bare, spaces and all.
    EXPECT_EQ(ProgramArguments("\"" + ImageDrive + "\" 'C:\\My Tools\\Empty.nrg'", ImageDrive),
              "'C:\\My Tools\\Empty.nrg'");
    EXPECT_EQ(ProgramArguments("\"" + ImageDrive + "\"  C:\\My Temp\\~TmpVelutreck.nrg", ImageDrive),
              "C:\\My Temp\\~TmpVelutreck.nrg");
    // Started by a bare path with spaces, in another letter case.
    EXPECT_EQ(ProgramArguments("c:\\program files\\ahead\\imagedrive\\imagedrive.exe x y", ImageDrive), "x y");
    EXPECT_EQ(ProgramArguments(ImageDrive, ImageDrive), "");
    EXPECT_EQ(ProgramArguments("ImageDrive.exe C:\\a.nrg", ImageDrive), "C:\\a.nrg");
    EXPECT_EQ(ProgramArguments("\"" + ImageDrive + "\"", ImageDrive), "");
    EXPECT_EQ(ProgramArguments("\"C:\\never closed", ImageDrive), "");
}

TEST(ProgramArgumentsTest, TheShellsQuotesComeOffTheProjectPathAndNothingElse) {
    EXPECT_EQ(Unquoted("\"C:\\Jobs\\My Project.nra\""), "C:\\Jobs\\My Project.nra");
    EXPECT_EQ(Unquoted("C:\\Jobs\\Project.nra"), "C:\\Jobs\\Project.nra");
    EXPECT_EQ(Unquoted("\""), "\"");
    EXPECT_EQ(Unquoted("'C:\\x.nra'"), "'C:\\x.nra'");
}

TEST(StandInSpeedTest, OnlyAPositiveNumberChangesTheSpeed) {
    EXPECT_EQ(StandInSpeed(std::nullopt), 1);
    EXPECT_EQ(StandInSpeed("10"), 10);
    EXPECT_EQ(StandInSpeed("2.5"), 2.5);
    for (const char* unusable : {"", "0", "-3", "fast", "10x", " 10", "inf", "nan"}) {
        EXPECT_EQ(StandInSpeed(unusable), 1) << unusable;
    }
}

TEST(StandInSpeedTest, TheSpeedShortensEveryDelayToTheNearestMillisecond) {
    const StandInOptions scaled = ScaledOptions(
        StandInOptions{
            .imageDriveMountMs = 1000, .neroLoadMs = 1000, .neroWriteMs = 1000, .neroWritePerFileMs = 1000,
            .burnerReadDiscMs = 1000, .burnerReadPerTrackMs = 1000, .burnerRecordMs = 1000,
            .burnerRecordPerTrackMs = 1005,
        },
        10);
    for (std::uint32_t delay : {scaled.imageDriveMountMs, scaled.neroLoadMs, scaled.neroWriteMs,
                                scaled.neroWritePerFileMs, scaled.burnerReadDiscMs, scaled.burnerReadPerTrackMs,
                                scaled.burnerRecordMs}) {
        EXPECT_EQ(delay, 100u);
    }
    EXPECT_EQ(scaled.burnerRecordPerTrackMs, 101u);
    EXPECT_EQ(ScaledOptions(StandInOptions{}, 0.5).neroLoadMs, 6000u);
}

}  // namespace
}  // namespace velutreck
