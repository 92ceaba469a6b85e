// Items from Explorer or the command line: the batches they make, in Explorer's order, playlists
// in their encodings, what is skipped and how the batches enter the list.
#include "tracklist/item_batches.h"

#include <gtest/gtest.h>

#include "rehearsal/desktop/sim_file_system.h"
#include "tracklist/add_items.h"
#include "tracklist/natural_order.h"
#include "unit/tracklist/list_fixture.h"

namespace velutreck {
namespace {

using Batches = std::vector<Strings>;

TEST(NaturalOrder, NumbersCompareByValueAndLettersWithoutCase) {
    const std::vector<std::pair<std::string, std::string>> ordered = {
        {"2.mp3", "10.mp3"},         {"Track 9", "track 10"},     {"a", "B"},
        {"x2y", "x10a"},             {"élan", "Étoile"},          {"Disc 1 - 2", "Disc 1 - 10"},
        {"track007.wav", "track8.wav"}, {"A", "a"},               {"song", "song 1"},
    };
    for (const auto& [before, after] : ordered) {
        EXPECT_TRUE(NaturalLess(before, after)) << before << " < " << after;
        EXPECT_FALSE(NaturalLess(after, before)) << after << " !< " << before;
    }
}

class Items : public ::testing::Test {
protected:
    ItemBatches Of(const Strings& items) { return BatchesOfItems(items, files); }
    Batches BatchesOf(const Strings& items) { return Of(items).batches; }

    SimFileSystem files;
};

TEST_F(Items, AFolderGivesItsFilesThenEachSubFolderDepthFirstInExplorersOrder) {
    for (const char* path : {"C:\\Album\\10 Ten.mp3", "C:\\Album\\2 Two.MP3", "C:\\Album\\cover.jpg",
                             "C:\\Album\\CD 10\\x.wav", "C:\\Album\\cd 2\\b.aiff", "C:\\Album\\cd 2\\Bonus\\z.wma",
                             "C:\\Album\\cd 2\\a.Wave", "C:\\Album\\Scans\\back.jpg"}) {
        files.AddFile(path, "");
    }
    EXPECT_EQ(BatchesOf({"C:\\Album\\"}),
              (Batches{{"C:\\Album\\2 Two.MP3", "C:\\Album\\10 Ten.mp3"},
                       {"C:\\Album\\cd 2\\a.Wave", "C:\\Album\\cd 2\\b.aiff"},
                       {"C:\\Album\\cd 2\\Bonus\\z.wma"},
                       {"C:\\Album\\CD 10\\x.wav"}}));
    EXPECT_TRUE(Of({"C:\\Album\\Scans"}).batches.empty());
    EXPECT_TRUE(Of({"C:\\Album\\Scans"}).skipped.empty());
}

TEST_F(Items, LooseFilesFormOneSortedBatchWhereTheFirstStandsAndPathsAreMadeFull) {
    for (const char* path : {"C:\\M\\b10.mp3", "C:\\M\\B9.mp3", "C:\\M\\a.cda", "C:\\F\\f.vqf", "C:\\P\\list.m3u",
                             "C:\\Z\\0.wav"}) {
        files.AddFile(path, "");
    }
    files.WriteFile("C:\\P\\list.m3u", "..\\M\\a.cda\n");
    EXPECT_EQ(BatchesOf({"C:\\F", "C:/M/./b10.mp3", "C:\\P\\list.m3u", "C:\\F\\..\\M\\B9.mp3", "M\\a.cda",
                         "C:\\Z\\0.wav"}),
              (Batches{{"C:\\F\\f.vqf"},
                       {"C:\\Z\\0.wav", "C:\\M\\a.cda", "C:\\M\\B9.mp3", "C:\\M\\b10.mp3"},
                       {"C:\\M\\a.cda"}}));
}

TEST_F(Items, PlaylistsTakeTheirEntriesInOrderInEitherEncoding) {
    for (const char* path : {"D:\\Lists\\Sub\\one.mp3", "D:\\Music\\two.wav", "D:\\three.aif", "E:\\four.mp3",
                             "D:\\Music\\Café.mp3", "D:\\Lists\\notes.txt"}) {
        files.AddFile(path, "");
    }
    const std::string entries = "#EXTM3U\r\n#EXTINF:123,One\r\nSub\\one.mp3\r\n\r\n  ../Music/two.wav  \r\n"
                                "\\three.aif\nE:\\four.mp3\n";
    const std::string cafeUtf8 = "D:\\Music\\Caf\xC3\xA9.mp3\n";
    const std::string cafeAnsi = "D:\\Music\\Caf\xE9.mp3\n";
    const std::string bom = "\xEF\xBB\xBF";
    const Strings expected = {"D:\\Lists\\Sub\\one.mp3", "D:\\Music\\two.wav", "D:\\three.aif", "E:\\four.mp3",
                              "D:\\Music\\Café.mp3"};
    const std::vector<std::pair<std::string, std::string>> playlists = {
        {"D:\\Lists\\utf8.m3u8", entries + cafeUtf8},
        {"D:\\Lists\\bom.m3u8", bom + entries + cafeUtf8},
        {"D:\\Lists\\utf8.M3U", entries + cafeUtf8},
        {"D:\\Lists\\bom.m3u", bom + entries + cafeUtf8},
        {"D:\\Lists\\ansi.m3u", entries + cafeAnsi},
    };
    for (const auto& [path, contents] : playlists) {
        files.AddFile(path, contents);
        const ItemBatches found = Of({path});
        EXPECT_EQ(found.batches, Batches{expected}) << path;
        EXPECT_TRUE(found.skipped.empty()) << path;
    }
}

TEST_F(Items, WhatCannotBeAddedIsSkippedAndNamedInOneMessage) {
    files.AddFile("C:\\M\\a.mp3", "");
    files.AddFile("C:\\M\\notes.txt", "");
    files.AddFile("C:\\M\\list.m3u8",
                  "a.mp3\ngone.mp3\nnotes.txt\nhttp://radio.example/stream.mp3\n..\\M\n#only a comment\n");
    const ItemBatches found = Of({"C:\\M\\notes.txt", "C:\\M\\list.m3u8", "C:\\Nowhere", "mms://x/y",
                                  "C:\\M\\empty.m3u", "C:\\M\\a.mp3"});
    EXPECT_EQ(found.batches, (Batches{{"C:\\M\\a.mp3"}, {"C:\\M\\a.mp3"}}));

    MemoryListBox list;
    const AddItemsResult added = AddItems(list, files, {"C:\\M\\notes.txt", "C:\\M\\list.m3u8", "C:\\Nowhere",
                                                        "mms://x/y", "C:\\M\\empty.m3u", "C:\\M\\a.mp3"},
                                          false);
    EXPECT_EQ(added.errorMessage, "");
    EXPECT_EQ(added.skippedMessage,
              "8 items were skipped:\nNot audio files: 3\nNot found: 3\nWeb addresses: 2\n\n"
              "C:\\M\\notes.txt (not an audio file)\nC:\\M\\gone.mp3 (not found)\n"
              "C:\\M\\notes.txt (not an audio file)\nhttp://radio.example/stream.mp3 (a web address)\n"
              "C:\\M (not an audio file)\nand 3 more");
    EXPECT_EQ(Entries(list), (Strings{"C:\\M\\a.mp3", "C:\\M\\a.mp3"}));
}

TEST(AddingItems, EachBatchIsAddedAsAddFilesAddsAndTheFirstThatDoesNotFitStopsTheRest) {
    SimFileSystem files;
    for (const char* path : {"C:\\A\\1.mp3", "C:\\A\\2.mp3", "C:\\B\\3.mp3", "C:\\C\\4.mp3", "C:\\C\\5.mp3"}) {
        files.AddFile(path, "");
    }
    MemoryListBox list;
    Fill(list, {"old"});
    EXPECT_EQ(AddItems(list, files, {"C:\\A", "C:\\B"}, true).errorMessage, "");
    EXPECT_EQ(Entries(list), (Strings{"old", Marker, "C:\\A\\1.mp3", "C:\\A\\2.mp3", Marker, "C:\\B\\3.mp3"}));

    MemoryListBox nearlyFull;
    Fill(nearlyFull, Strings(32763, "E"));
    const AddItemsResult result = AddItems(nearlyFull, files, {"C:\\B", "C:\\C", "C:\\A\\1.mp3"}, true);
    EXPECT_EQ(result.errorMessage, "Error: The files from \"C:\\C\\4.mp3\" on do not fit into the track list: "
                                   "it holds at most 32,767 entries.");
    EXPECT_EQ(nearlyFull.Count(), 32765);
    EXPECT_EQ(nearlyFull.Entry(32764), "C:\\B\\3.mp3");
}

}  // namespace
}  // namespace velutreck
