#include "platform/cd_track_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "rehearsal/desktop/sim_file_system.h"

namespace velutreck {
namespace {

// Track 3 of a disc, starting at sector 16,000 and 15,056 sectors long (3:20.75).
std::string CdTrack(std::uint32_t sectors) {
    std::string bytes = std::string("RIFF") + std::string("\x24\0\0\0", 4) + "CDDAfmt " + std::string("\x18\0\0\0", 4);
    const auto little = [&](std::uint32_t value, int size) {
        for (int i = 0; i < size; ++i) {
            bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
        }
    };
    little(1, 2);           // version
    little(3, 2);           // track number
    little(0x12345678, 4);  // serial number
    little(16000, 4);       // first sector
    little(sectors, 4);
    little(0, 4);           // first sector as frames, seconds, minutes
    little(0, 4);           // length as frames, seconds, minutes
    return bytes;
}

TEST(CdTrackFile, ItsLengthComesFromItsSectorsAndAnythingElseHasNone) {
    ASSERT_EQ(CdTrack(15056).size(), CdTrackFileSize);
    EXPECT_EQ(CdTrackLength(CdTrack(15056)), std::chrono::milliseconds(200'746));
    EXPECT_EQ(CdTrackLength(CdTrack(0xFFFFFFFF)), std::chrono::milliseconds(57'266'230'600));
    EXPECT_EQ(CdTrackLength(CdTrack(15056).substr(0, 43)), std::nullopt);
    EXPECT_EQ(CdTrackLength(CdTrack(15056) + "x"), std::nullopt);
    std::string wave = CdTrack(15056);
    wave.replace(8, 4, "WAVE");
    EXPECT_EQ(CdTrackLength(wave), std::nullopt);
    std::string otherFormat = CdTrack(15056);
    otherFormat[16] = 16;
    EXPECT_EQ(CdTrackLength(otherFormat), std::nullopt);

    EXPECT_TRUE(IsCdTrackFile("D:\\Track03.cda"));
    EXPECT_TRUE(IsCdTrackFile("D:\\TRACK03.CDA"));
    EXPECT_FALSE(IsCdTrackFile("D:\\Track03.cda.mp3"));
    EXPECT_FALSE(IsCdTrackFile("cda"));
}

// A disc's tracks in the order of their numbers, whatever order the folder lists them in; other
// files, and a ".cda" file that is no CD track file, are no tracks.
TEST(CdTrackFile, ADrivesTracksComeInTheOrderOfTheirNumbers) {
    SimFileSystem files;
    files.CreateFolder("E:\\");
    files.WriteFile("E:\\Track10.cda", CdTrack(750));
    files.WriteFile("E:\\Track9.cda", CdTrack(375));
    files.WriteFile("E:\\track02.CDA", CdTrack(150));
    files.WriteFile("E:\\Track01.cda", CdTrack(75));
    files.WriteFile("E:\\Track03.cda", "not a track");
    files.WriteFile("E:\\Notes.cda", CdTrack(300));
    files.WriteFile("E:\\Track04.txt", CdTrack(300));
    EXPECT_EQ(CdTracksIn(files, "E:\\"),
              (std::vector<std::chrono::milliseconds>{std::chrono::seconds(1), std::chrono::seconds(2),
                                                      std::chrono::seconds(5), std::chrono::seconds(10)}));
    EXPECT_TRUE(CdTracksIn(files, "F:\\").empty());
}

}  // namespace
}  // namespace velutreck
