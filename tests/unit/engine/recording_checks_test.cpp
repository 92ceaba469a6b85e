// What a group's files must find on Nero's image and on a CD drive before Simple Burner records.
#include "engine/recording_checks.h"

#include <gtest/gtest.h>

namespace velutreck {
namespace {

using std::chrono::milliseconds;
using std::chrono::seconds;

MediaLength Known(milliseconds time) { return {MediaLength::State::Known, time}; }
const MediaLength Unknown{};

bool StartsWith(const std::string& text, const std::string& start) { return text.rfind(start, 0) == 0; }

TEST(RecordingChecks, ATrackFitsItsFileWithinTwoSecondsOrTwoPercentWhicheverIsMore) {
    EXPECT_TRUE(TrackFits(Known(seconds(60)), seconds(62)));
    EXPECT_TRUE(TrackFits(Known(seconds(60)), seconds(58)));
    EXPECT_FALSE(TrackFits(Known(seconds(60)), milliseconds(62'001)));
    EXPECT_FALSE(TrackFits(Known(seconds(60)), milliseconds(57'999)));
    // 2 % of ten minutes is twelve seconds.
    EXPECT_TRUE(TrackFits(Known(seconds(600)), seconds(612)));
    EXPECT_FALSE(TrackFits(Known(seconds(600)), milliseconds(612'001)));
    EXPECT_TRUE(TrackFits(Unknown, seconds(1)));
    EXPECT_TRUE(TrackFits({MediaLength::State::Reading, {}}, seconds(500)));
}

TEST(RecordingChecks, AnImageShortOfAFileNamesItWhereTheLengthsTellAndOnlyThen) {
    const std::vector<GroupFile> files = {
        {"C:\\A.mp3", Known(seconds(200))}, {"C:\\B.wma", Known(seconds(245))}, {"C:\\C.mp3", Known(seconds(300))}};
    EXPECT_EQ(ImageProblem(2, files, {seconds(200), seconds(245), seconds(300)}), std::nullopt);
    EXPECT_EQ(ImageProblem(2, files, {seconds(200), seconds(300)}).value_or(""),
              "Error: Nero's image of group 2 holds 2 tracks, not 3: Nero did not take \"C:\\B.wma\". Nero cannot read "
              "every file (copy protection, a damaged file, a format it does not know): play the file, or convert it "
              "to MP3 or WAV, then press Start.");
    EXPECT_PRED2(StartsWith, ImageProblem(1, files, {seconds(245), seconds(300)}).value_or(""),
              "Error: Nero's image of group 1 holds 2 tracks, not 3: Nero did not take \"C:\\A.mp3");
    // Two files alike, or an unknown length: which one is missing cannot be told.
    const std::vector<GroupFile> alike = {{"C:\\A.mp3", Known(seconds(200))}, {"C:\\B.mp3", Known(seconds(200))}};
    EXPECT_PRED2(StartsWith, ImageProblem(1, alike, {seconds(200)}).value_or(""),
              "Error: Nero's image of group 1 holds 1 track, not 2. Ne");
    const std::vector<GroupFile> unknown = {{"C:\\A.mp3", Unknown}, {"C:\\B.mp3", Known(seconds(200))}};
    EXPECT_PRED2(StartsWith, ImageProblem(1, unknown, {seconds(200)}).value_or(""),
              "Error: Nero's image of group 1 holds 1 track, not 2. Ne");
    // Unknown lengths are compared by count only.
    EXPECT_EQ(ImageProblem(1, unknown, {seconds(3), seconds(200)}), std::nullopt);
    // As many tracks, one of the wrong length.
    EXPECT_EQ(ImageProblem(3, files, {seconds(200), seconds(100), seconds(300)}).value_or(""),
              "Error: Nero's image of group 3 does not hold the group's files: its track 2 lasts 1:40, but "
              "\"C:\\B.wma\" 4:05. Nero cannot read every file (copy protection, a damaged file, a format it does "
              "not know): play the file, or convert it to MP3 or WAV, then press Start.");
}

TEST(RecordingChecks, TheGroupsCdIsFoundOnTheRememberedDriveFirstAndAnyOtherAudioCdIsNamed) {
    const std::vector<GroupFile> files = {{"C:\\A.mp3", Known(seconds(200))}, {"C:\\B.mp3", Known(seconds(245))}};
    const std::vector<milliseconds> group = {seconds(200), seconds(245)};
    const CdDrive empty{"D:", {}};
    const CdDrive music{"D:", {seconds(180), seconds(200), seconds(240)}};
    const CdDrive virtualCd{"E:", group};
    const CdDrive sameTracks{"F:", group};

    CdFinding found = FindGroupCd({empty, virtualCd}, files, std::nullopt);
    EXPECT_EQ(found.virtualDrive, "E:");
    EXPECT_EQ(found.otherAudioCd, std::nullopt);
    found = FindGroupCd({music, virtualCd}, files, "E:");
    EXPECT_EQ(found.virtualDrive, "E:");
    EXPECT_EQ(found.otherAudioCd, "D:");
    EXPECT_EQ(FindGroupCd({virtualCd, sameTracks}, files, "F:").virtualDrive, "F:");
    found = FindGroupCd({music, CdDrive{"E:", {seconds(4)}}}, files, "E:");
    EXPECT_EQ(found.virtualDrive, std::nullopt);
    EXPECT_EQ(found.otherAudioCd, std::nullopt);

    EXPECT_EQ(CdNotPresentedMessage(2, 17, {empty, CdDrive{"E:", {seconds(4)}}}),
              "Error: ImageDrive did not present the image of group 2: no CD drive shows its 17 tracks (D: shows no "
              "audio CD, E: shows 1 track). Check that ImageDrive is installed with a virtual drive and that nothing "
              "holds the image (an antivirus may), then press Start.");
    EXPECT_PRED2(StartsWith, CdNotPresentedMessage(1, 1, {}),
              "Error: ImageDrive did not present the image of group 1: no CD drive shows its 1 track (Windows shows no "
              "CD drive)");
}

}  // namespace
}  // namespace velutreck
