#include "tracklist/track_names.h"

#include <gtest/gtest.h>

#include "unit/tracklist/list_fixture.h"

namespace velutreck {
namespace {

TEST(TrackNames, FollowTheWorkedExamplesWithTwelveCharacters) {
    const Strings paths{"C:\\Music\\01 - Hello World.mp3", "C:\\Music\\Track.Name.Long.wav", "D:\\Audio\\Intro.wma",
                        "C:\\Music\\1999.mp3", "C:\\Music\\Café del Mar.mp3"};
    const Strings plain{"01 - Hello W", "Track.Name.L", "Intro", "1999", "Café del Mar"};
    const Strings letters{"HelloWorld", "TrackNameLon", "Intro", "", "CafdelMar"};
    for (std::size_t i = 0; i < paths.size(); ++i) {
        EXPECT_EQ(MakeTrackName(paths[i], false, 12), plain[i]);
        EXPECT_EQ(MakeTrackName(paths[i], true, 12), letters[i]);
    }
    EXPECT_EQ(MakeTrackName("C:\\01 Track 01.mp3", true, 5), "Track");
    EXPECT_EQ(MakeTrackName("C:\\01 Track 01.mp3", false, 5), "01 Tr");
}

TEST(TrackNames, CountCodePointsAndKeepOnlyPlainLatinLetters) {
    EXPECT_EQ(MakeTrackName("C:\\Café.mp3", false, 4), "Café");
    EXPECT_EQ(MakeTrackName("C:\\Ωμέγα.mp3", false, 2), "Ωμ");
    EXPECT_EQ(MakeTrackName("C:\\🎵Song.mp3", false, 2), "🎵S");
    EXPECT_EQ(KeepLettersOnly("AZaz@[`{09 -_.é ÄßÆ Ωж"), "AZaz");
}

TEST(TrackNames, TakeTheWholeFileNameWithoutADotAndNothingForANegativeLength) {
    EXPECT_EQ(MakeTrackName("C:\\My.Music\\Intro", false, 12), "Intro");
    EXPECT_EQ(MakeTrackName("Song.mp3", false, 12), "Song");
    EXPECT_EQ(MakeTrackName("C:\\Intro.mp3", false, 0), "");
    EXPECT_EQ(MakeTrackName("C:\\Intro.mp3", false, -1), "");
}

TEST(TrackNames, OfAGroupNameItsFirstFileTwiceAfterTheEarlierGroups) {
    Strings names{"earlier"};
    AppendGroupNames(names, {"C:\\A.mp3", "C:\\B.mp3", "C:\\C.mp3"}, false, 12);
    AppendGroupNames(names, {}, false, 12);
    EXPECT_EQ(names, (Strings{"earlier", "A", "A", "B", "C"}));
}

}  // namespace
}  // namespace velutreck
