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

constexpr DiscChoice Lp2{80, false};
constexpr DiscChoice Lp4{80, true};

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
    // Three groups of 14 files whose lengths add up to 2:31:07, none of them longer than 80 minutes.
    void FillFourteenFiles() {
        Strings entries;
        for (int i = 0; i < 14; ++i) {
            const std::string path = "C:\\Music\\" + std::to_string(i) + ".mp3";
            entries.push_back(path);
            lengths.Known(path, i == 0 || i == 5 ? minutes(60) : i == 10 ? minutes(20) + seconds(7) : minutes(1));
            if (i == 4 || i == 9) {
                entries.push_back(Marker);
            }
        }
        Fill(list, entries);
    }

    // A list of groups of the given numbers of files of the given length each.
    void FillGroups(const std::vector<int>& files, milliseconds each) {
        list.Clear();
        Strings entries;
        for (std::size_t group = 0; group < files.size(); ++group) {
            entries.push_back(Marker);
            for (int i = 0; i < files[group]; ++i) {
                entries.push_back("C:\\" + std::to_string(group) + "\\" + std::to_string(i) + ".mp3");
                lengths.Known(entries.back(), each);
            }
        }
        Fill(list, entries);
    }

    MemoryListBox list;
    FixedMediaLengths lengths;
};

TEST_F(ListSummaryTest, SaysHowLongTheListPlaysAgainstTheChosenDiscAtEitherCompression) {
    EXPECT_EQ(ListSummary(list, lengths, Lp2), "No files");
    Fill(list, {Marker, Marker});
    EXPECT_EQ(ListSummary(list, lengths, Lp2), "No files");

    FillFourteenFiles();
    EXPECT_EQ(ListSummary(list, lengths, Lp2),
              "14 files in 3 groups, 2:31:07 - fits an 80-minute MiniDisc at LP2, 8:53 to spare");
    EXPECT_EQ(ListSummary(list, lengths, Lp4),
              "14 files in 3 groups, 2:31:07 - fits an 80-minute MiniDisc at LP4, 2:48:53 to spare");
    EXPECT_EQ(ListSummary(list, lengths, {74, false}),
              "14 files in 3 groups, 2:31:07 - 3:07 too long for a 74-minute MiniDisc at LP2");
    EXPECT_EQ(ListSummary(list, lengths, {60, true}),
              "14 files in 3 groups, 2:31:07 - fits a 60-minute MiniDisc at LP4, 1:28:53 to spare");

    lengths.Known("C:\\Music\\10.mp3", minutes(40));
    EXPECT_EQ(ListSummary(list, lengths, Lp2),
              "14 files in 3 groups, 2:51:00 - 11:00 too long for an 80-minute MiniDisc at LP2");
    EXPECT_EQ(ListSummary(list, lengths, Lp4),
              "14 files in 3 groups, 2:51:00 - fits an 80-minute MiniDisc at LP4, 2:29:00 to spare");
}

// Each group is measured in whole seconds, as Start measures it and as the messages show it.
TEST_F(ListSummaryTest, ThreeGroupsOf53Minutes20Point4SecondsFillThe80MinuteDiscAtLp2Exactly) {
    FillGroups({1, 1, 1}, minutes(53) + milliseconds(20'400));
    EXPECT_EQ(ListSummary(list, lengths, Lp2),
              "3 files in 3 groups, 2:40:00 - fits an 80-minute MiniDisc at LP2, 0:00 to spare");
    FillGroups({1, 1, 1}, minutes(53) + milliseconds(20'600));
    EXPECT_EQ(ListSummary(list, lengths, Lp2), "3 files in 3 groups, 2:40:03 - 0:03 too long for an 80-minute MiniDisc at LP2");
}

// What Start refuses is named alone, as Start then asks nothing; a limit several groups exceed is
// named once with their number.
TEST_F(ListSummaryTest, NamesTheLimitsStartWouldRefuseTheListOverOrElseAskAbout) {
    FillGroups({85, 85, 85}, seconds(30));
    EXPECT_EQ(ListSummary(list, lengths, Lp2), "255 files in 3 groups, 2:07:30 - over 254 tracks");
    FillGroups({40, 100}, seconds(30));
    EXPECT_EQ(ListSummary(list, lengths, Lp2), "140 files in 2 groups, 1:10:00 - group 2 over 99 files");
    FillGroups({100, 1}, seconds(49));  // group 1 is also longer than 80:00, which Start does not ask about then
    EXPECT_EQ(ListSummary(list, lengths, Lp2), "101 files in 2 groups, 1:22:29 - group 1 over 99 files");
    FillGroups({100, 100, 60}, seconds(30));
    EXPECT_EQ(ListSummary(list, lengths, Lp2),
              "260 files in 3 groups, 2:10:00 - 2 groups over 99 files, over 254 tracks");
    FillGroups({1, 1, 1}, minutes(100));
    EXPECT_EQ(ListSummary(list, lengths, Lp4), "3 files in 3 groups, 5:00:00 - 3 groups over 99:59");

    FillGroups({1, 1}, minutes(81));
    EXPECT_EQ(ListSummary(list, lengths, Lp2),
              "2 files in 2 groups, 2:42:00 - 2 groups over 80:00, 2:00 too long for an 80-minute MiniDisc at LP2");
    EXPECT_EQ(ListSummary(list, lengths, Lp4), "2 files in 2 groups, 2:42:00 - 2 groups over 80:00");
    FillGroups({1, 1}, minutes(80) + milliseconds(400));
    EXPECT_EQ(ListSummary(list, lengths, Lp4),
              "2 files in 2 groups, 2:40:00 - fits an 80-minute MiniDisc at LP4, 2:40:00 to spare");

    Strings unknown;
    for (int i = 0; i < 100; ++i) {
        unknown.push_back("C:\\" + std::to_string(i) + ".vqf");
    }
    list.Clear();
    Fill(list, unknown);
    EXPECT_EQ(ListSummary(list, lengths, Lp2), "100 files in 1 group - group 1 over 99 files (the length of 100 files is unknown)");
}

TEST_F(ListSummaryTest, CountsUnknownLengthsAndSaysWhileLengthsAreStillRead) {
    Fill(list, {"C:\\A.wav", "C:\\B.cda", "C:\\C.vqf"});
    lengths.Known("C:\\A.wav", minutes(3));
    EXPECT_EQ(ListSummary(list, lengths, Lp2),
              "3 files in 1 group, 3:00 - fits an 80-minute MiniDisc at LP2, 2:37:00 to spare "
              "(the length of 2 files is unknown)");
    lengths.Known("C:\\B.cda", minutes(4));
    EXPECT_EQ(ListSummary(list, lengths, Lp2),
              "3 files in 1 group, 7:00 - fits an 80-minute MiniDisc at LP2, 2:33:00 to spare "
              "(the length of 1 file is unknown)");
    lengths.Reading("C:\\A.wav");
    EXPECT_EQ(ListSummary(list, lengths, Lp2), "3 files in 1 group, reading the length of 1 file");

    MemoryListBox unknownOnly;
    Fill(unknownOnly, {"C:\\C.vqf"});
    EXPECT_EQ(ListSummary(unknownOnly, lengths, Lp4), "1 file in 1 group (the length of 1 file is unknown)");
}

}  // namespace
}  // namespace velutreck
