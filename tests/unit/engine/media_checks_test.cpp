#include "engine/media_checks.h"

#include <gtest/gtest.h>

#include "support/fixed_media_lengths.h"

namespace velutreck {
namespace {

using std::chrono::minutes;
using std::chrono::seconds;
using Strings = std::vector<std::string>;

// A group of the given number of files, each of the given length, named after the group.
Strings Group(const std::string& name, int files, FixedMediaLengths& lengths, std::chrono::milliseconds each) {
    Strings group;
    for (int i = 0; i < files; ++i) {
        group.push_back("C:\\" + name + "\\" + std::to_string(i) + ".mp3");
        lengths.Known(group.back(), each);
    }
    return group;
}

TEST(MediaChecks, AJobWithinEveryLimitRaisesNothing) {
    FixedMediaLengths lengths;
    // 99 tracks in a group; 254 tracks and exactly 160:00 in all at LP2.
    const Strings third = Group("C", 56, lengths, seconds(0));
    lengths.Known(third.front(), seconds(96));
    const MediaJob job{{Group("A", 99, lengths, seconds(48)), Group("B", 99, lengths, seconds(48)), third},
                       {80, false}, true, {"Velutreck Disc"}};
    const MediaProblems problems = CheckMedia(job, lengths);
    EXPECT_TRUE(problems.refusals.empty());
    EXPECT_TRUE(problems.questions.empty());
    EXPECT_EQ(problems.unknownLengths, 0);
}

TEST(MediaChecks, RefusesWhatNoCdImageOrMiniDiscCanHoldNamingEachProblem) {
    FixedMediaLengths lengths;
    const MediaJob job{{Group("A", 100, lengths, seconds(1)), Group("B", 1, lengths, minutes(99) + seconds(59)),
                        Group("C", 1, lengths, minutes(100)), Group("D", 99, lengths, seconds(1)),
                        Group("E", 55, lengths, seconds(1))},
                       {80, true}, true, {"Disc"}};
    const MediaProblems problems = CheckMedia(job, lengths);
    EXPECT_EQ(RefusalMessage(problems),
              "Error: Group 1 has 100 files; an audio CD holds 99 tracks. Insert a break to split it.\r\n"
              "Group 3 plays 1:40:00; no CD image holds more than 99:59.\r\n"
              "The list has 256 files; a MiniDisc holds 254 tracks.");
    // 99:59 is refused by nobody, but asked about as longer than Nero's 80-minute image.
    EXPECT_EQ(problems.questions,
              Strings{"Group 2 plays 1:39:59; Nero writes an image of an 80-minute CD unless it is set to overburn."});
}

TEST(MediaChecks, AsksAboutALongGroupAFullDiscAndTooMuchTitleTextCountingUnknownLengths) {
    FixedMediaLengths lengths;
    Strings second = Group("B", 2, lengths, minutes(40));
    second.push_back("C:\\B\\unknown.vqf");
    MediaJob job{{Group("A", 1, lengths, minutes(80) + seconds(1)), second}, {80, false}, false, {}};
    // 255 cells: the disc name takes 2 (8 characters), 253 names of 7 characters 1 each.
    job.titles = {"Velutrec", "\xC3\xA9" "bcdefg"};
    job.titles.resize(254, "abcdefg");
    MediaProblems problems = CheckMedia(job, lengths);
    EXPECT_TRUE(problems.refusals.empty());
    EXPECT_EQ(QuestionMessage(problems),
              "Group 1 plays 1:20:01; Nero writes an image of an 80-minute CD unless it is set to overburn.\r\n"
              "The list plays 2:40:01, 0:01 more than an 80-minute MiniDisc holds at LP2. The tracks already on the "
              "disc take space too.\r\n"
              "The length of 1 file is unknown.\r\n\r\n"
              "Start anyway?");

    job.titles.push_back("x");
    job.erase = true;
    job.disc.lp4 = true;
    problems = CheckMedia(job, lengths);
    EXPECT_EQ(problems.questions.size(), 2u);
    EXPECT_EQ(problems.questions.back(),
              "The disc name and the track names take 256 title cells of 7 characters; a MiniDisc has 255, so the "
              "last names will not fit.");
}

TEST(MediaChecks, UnknownLengthsAloneNeverRefuseNorAsk) {
    FixedMediaLengths lengths;
    Strings group;
    for (int i = 0; i < 99; ++i) {
        group.push_back("C:\\" + std::to_string(i) + ".vqf");
    }
    lengths.Reading(group.front());
    const MediaProblems problems = CheckMedia({{group}, {80, false}, true, {"Disc"}}, lengths);
    EXPECT_TRUE(problems.refusals.empty());
    EXPECT_TRUE(problems.questions.empty());
    EXPECT_EQ(problems.unknownLengths, 99);
}

TEST(TitleCells, EachNameTakesWholeCellsOfSevenCharacters) {
    EXPECT_EQ(TitleCellsOf({}), 0);
    EXPECT_EQ(TitleCellsOf({"", "a", "abcdefg", "abcdefgh", "abcdefghijkl"}), 0 + 1 + 1 + 2 + 2);
    EXPECT_EQ(TitleCellsOf({"\xE3\x81\x82\xE3\x81\x82\xE3\x81\x82\xE3\x81\x82\xE3\x81\x82\xE3\x81\x82\xE3\x81\x82"}), 1);
}

}  // namespace
}  // namespace velutreck
