#include "tracklist/list_commands.h"

#include <gtest/gtest.h>

#include "tracklist/list_capacity.h"
#include "unit/tracklist/list_fixture.h"

namespace velutreck {
namespace {

TEST(TrackListCommands, InsertBreakAndRemoveActOnTheSelectedEntryOnly) {
    MemoryListBox list;
    Fill(list, {"A", "B"}, 1);
    InsertBreak(list);
    InsertBreak(list);  // before the new marker: two adjacent markers
    EXPECT_EQ(Entries(list), (Strings{"A", Marker, Marker, "B"}));
    EXPECT_EQ(list.SelectedIndex(), 1);
    RemoveSelected(list);
    EXPECT_EQ(Entries(list), (Strings{"A", Marker, "B"}));
    EXPECT_EQ(list.SelectedIndex(), -1);
    RemoveAll(list);
    EXPECT_EQ(list.Count(), 0);
}

TEST(TrackListCommands, WithoutASelectionOrAtTheEndsNothingChanges) {
    MemoryListBox list;
    Fill(list, {"A", Marker, "B"});
    for (auto command : {InsertBreak, RemoveSelected, ShiftUp, ShiftDown}) {
        command(list);
    }
    list.SetSelectedIndex(0);
    ShiftUp(list);
    list.SetSelectedIndex(2);
    ShiftDown(list);
    EXPECT_EQ(Entries(list), (Strings{"A", Marker, "B"}));
    EXPECT_EQ(list.SelectedIndex(), 2);
}

TEST(TrackListCommands, ShiftsMoveMarkersLikeFilesAndKeepTheMovedEntrySelected) {
    MemoryListBox list;
    Fill(list, {"A", "B", Marker, "C"}, 2);
    ShiftUp(list);  // B joins C's group
    EXPECT_EQ(Entries(list), (Strings{"A", Marker, "B", "C"}));
    EXPECT_EQ(list.SelectedIndex(), 1);
    ShiftDown(list);
    ShiftDown(list);
    EXPECT_EQ(Entries(list), (Strings{"A", "B", "C", Marker}));
    EXPECT_EQ(list.SelectedIndex(), 3);
}

TEST(TrackListCapacity, TheList32767EntriesRefusesOneMoreUnchangedButCanStillBeReordered) {
    MemoryListBox list;
    for (int i = 0; i < 32767; ++i) {
        AppendEntry(list, "E" + std::to_string(i));
    }
    list.SetSelectedIndex(32766);
    try {
        AppendEntry(list, "X");
        ADD_FAILURE() << "a 32,768th entry was accepted";
    } catch (const Failure& failure) {
        EXPECT_EQ(failure.Kind(), FailureKind::Overflow);
        EXPECT_STREQ(failure.what(), "The track list is full: it holds at most 32,767 entries.");
    }
    EXPECT_THROW(InsertBreak(list), Failure);
    EXPECT_EQ(list.Count(), 32767);
    EXPECT_EQ(list.Entry(0), "E0");

    ShiftUp(list);
    EXPECT_EQ(list.Entry(32765), "E32766");
    EXPECT_EQ(list.Entry(32766), "E32765");
    ShiftDown(list);
    EXPECT_EQ(list.Entry(32766), "E32766");
    EXPECT_EQ(list.SelectedIndex(), 32766);
}

}  // namespace
}  // namespace velutreck
