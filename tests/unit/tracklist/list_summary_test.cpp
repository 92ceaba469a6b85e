#include "tracklist/list_summary.h"

#include <gtest/gtest.h>

#include "support/fixed_media_lengths.h"
#include "tracklist/media_limits.h"
#include "unit/tracklist/list_fixture.h"

namespace velutreck {
namespace {

using std::chrono::minutes;
using std::chrono::seconds;
using std::chrono::milliseconds;

TEST(FormatPlayingTime, ShowsHoursOnlyFromAnHourOnAndRoundsToTheNearestSecond) {
    EXPECT_EQ(FormatPlayingTime(milliseconds(0)), "0:00");
    EXPECT_EQ(FormatPlayingTime(milliseconds(59'499)), "0:59");
    EXPECT_EQ(FormatPlayingTime(milliseconds(59'500)), "1:00");
    EXPECT_EQ(FormatPlayingTime(minutes(59) + seconds(59)), "59:59");
    EXPECT_EQ(FormatPlayingTime(minutes(60)), "1:00:00");
    EXPECT_EQ(FormatPlayingTime(minutes(151) + seconds(7)), "2:31:07");
    EXPECT_EQ(FormatPlayingTime(minutes(600) + seconds(5)), "10:00:05");
}

class ListSummaryTest : public testing::Test {
protected:
    // Three groups of 14 files whose lengths add up to 2:31:07.
    void FillFourteenFiles() {
        Strings entries;
        for (int i = 0; i < 14; ++i) {
            const std::string path = "C:\\Music\\" + std::to_string(i) + ".mp3";
            entries.push_back(path);
            lengths.Known(path, i == 0 ? minutes(151) + seconds(7) - seconds(13 * 60) : minutes(1));
            if (i == 4 || i == 9) {
                entries.push_back(Marker);
            }
        }
        Fill(list, entries);
    }

    MemoryListBox list;
    FixedMediaLengths lengths;
};

TEST_F(ListSummaryTest, SaysHowLongTheListPlaysAgainstTheDiscAtEitherCompression) {
    EXPECT_EQ(ListSummary(list, lengths, false), "No files");
    Fill(list, {Marker, Marker});
    EXPECT_EQ(ListSummary(list, lengths, false), "No files");

    FillFourteenFiles();
    EXPECT_EQ(ListSummary(list, lengths, false),
              "14 files in 3 groups, 2:31:07 - fits an 80-minute MiniDisc at LP2, 8:53 to spare");
    EXPECT_EQ(ListSummary(list, lengths, true),
              "14 files in 3 groups, 2:31:07 - fits an 80-minute MiniDisc at LP4, 2:48:53 to spare");

    lengths.Known("C:\\Music\\0.mp3", minutes(158));
    EXPECT_EQ(ListSummary(list, lengths, false),
              "14 files in 3 groups, 2:51:00 - 11:00 too long for an 80-minute MiniDisc at LP2");
    EXPECT_EQ(ListSummary(list, lengths, true),
              "14 files in 3 groups, 2:51:00 - fits an 80-minute MiniDisc at LP4, 2:29:00 to spare");
}

TEST_F(ListSummaryTest, ExactlyFullFitsAndOneSecondMoreIsTooLong) {
    Fill(list, {"C:\\A.wav", Marker, "C:\\B.wav"});
    lengths.Known("C:\\A.wav", minutes(100));
    lengths.Known("C:\\B.wav", minutes(60) + milliseconds(400));
    EXPECT_EQ(ListSummary(list, lengths, false), "2 files in 2 groups, 2:40:00 - fits an 80-minute MiniDisc at LP2, 0:00 to spare");
    lengths.Known("C:\\B.wav", minutes(60) + milliseconds(600));
    EXPECT_EQ(ListSummary(list, lengths, false), "2 files in 2 groups, 2:40:01 - 0:01 too long for an 80-minute MiniDisc at LP2");
}

TEST_F(ListSummaryTest, CountsUnknownLengthsAndSaysWhileLengthsAreStillRead) {
    Fill(list, {"C:\\A.wav", "C:\\B.cda", "C:\\C.vqf"});
    lengths.Known("C:\\A.wav", minutes(3));
    EXPECT_EQ(ListSummary(list, lengths, false),
              "3 files in 1 group, 3:00 - fits an 80-minute MiniDisc at LP2, 2:37:00 to spare "
              "(the length of 2 files is unknown)");
    lengths.Known("C:\\B.cda", minutes(4));
    EXPECT_EQ(ListSummary(list, lengths, false),
              "3 files in 1 group, 7:00 - fits an 80-minute MiniDisc at LP2, 2:33:00 to spare "
              "(the length of 1 file is unknown)");
    lengths.Reading("C:\\A.wav");
    EXPECT_EQ(ListSummary(list, lengths, false), "3 files in 1 group, reading the length of 1 file");

    MemoryListBox unknownOnly;
    Fill(unknownOnly, {"C:\\C.vqf"});
    EXPECT_EQ(ListSummary(unknownOnly, lengths, true), "1 file in 1 group (the length of 1 file is unknown)");
}

}  // namespace
}  // namespace velutreck
