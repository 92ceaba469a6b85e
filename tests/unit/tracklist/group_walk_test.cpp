#include "tracklist/group_walk.h"

#include <gtest/gtest.h>

#include "tracklist/scroll_extent.h"
#include "unit/tracklist/list_fixture.h"

namespace velutreck {
namespace {

// Each group the walk takes, consuming the list as the engine does.
std::vector<Strings> Walk(const Strings& entries) {
    MemoryListBox list;
    Fill(list, entries);
    std::vector<Strings> groups;
    for (StripLeadingBreaks(list); GroupLastIndex(list) != -1; StripLeadingBreaks(list)) {
        Strings group;
        for (Int16 index = GroupLastIndex(list); index >= 0; --index) {
            group.insert(group.begin(), list.Entry(index));
            list.Remove(index);
        }
        groups.push_back(group);
    }
    EXPECT_EQ(list.Count(), 0);
    return groups;
}

TEST(GroupWalk, TakesEachRunOfFilesAndNoEmptyGroups) {
    EXPECT_EQ(Walk({"A", "B", Marker, "C"}), (std::vector<Strings>{{"A", "B"}, {"C"}}));
    EXPECT_EQ(Walk({"A", Marker}), (std::vector<Strings>{{"A"}}));
    EXPECT_EQ(Walk({Marker, "A", Marker, Marker, "B"}), (std::vector<Strings>{{"A"}, {"B"}}));
    EXPECT_TRUE(Walk({Marker, Marker}).empty());
    EXPECT_TRUE(Walk({}).empty());
    EXPECT_EQ(Walk({"A", "---break---", "---Break--- ", "B"}).size(), 1u);
}

TEST(GroupWalk, FindsNoGroupAtAMarkerLeftAtTheTop) {
    MemoryListBox list;
    Fill(list, {Marker, "A"});
    EXPECT_EQ(GroupLastIndex(list), -1);
}

TEST(HorizontalExtent, IsFourListWidthsRoundedToTheNearestPixel) {
    EXPECT_EQ(HorizontalExtentPixels(9375, 15), 2500);
    EXPECT_EQ(HorizontalExtentPixels(9377, 15), 2501);
    EXPECT_EQ(HorizontalExtentPixels(100, 7.5), 53);
}

}  // namespace
}  // namespace velutreck
